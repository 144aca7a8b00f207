#include "DeformPass.h"

namespace DeformPass {

void runSerial(const DeformKernel& kernel, std::size_t count)
{
    kernel.deformRange(0, count);
}

} // namespace DeformPass
