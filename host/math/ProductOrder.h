#pragma once

namespace kavo::host::math {

// The order in which this host sums the terms of a point times a matrix.
// The real host is built by other compilers with other options, and may
// round that product otherwise than a plug-in's own copy of it; tests play
// such a host by reversing the order. Evaluation reads it, so set it only
// while nothing evaluates.
enum class ProductOrder
{
    xToW, // ((x m0 + y m1) + z m2) + w m3, as the API defines it
    wToX  // ((w m3 + z m2) + y m1) + x m0
};

void setProductOrder(ProductOrder order);
ProductOrder productOrder();

} // namespace kavo::host::math
