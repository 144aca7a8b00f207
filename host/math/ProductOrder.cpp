#include "ProductOrder.h"

#include <atomic>

namespace kavo::host::math {

namespace {

std::atomic<ProductOrder> g_productOrder{ProductOrder::xToW};

} // namespace

void setProductOrder(ProductOrder order)
{
    g_productOrder.store(order, std::memory_order_relaxed);
}

ProductOrder productOrder()
{
    return g_productOrder.load(std::memory_order_relaxed);
}

} // namespace kavo::host::math
