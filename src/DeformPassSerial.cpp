#include "DeformPass.h"

namespace DeformPass {

bool runSerial(const DeformKernel& kernel, std::size_t count)
{
    kernel.deformRange(0, count);
    return true;
}

} // namespace DeformPass
