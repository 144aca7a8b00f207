// The batch pass writes out a point times a matrix and a direction divided
// by its length itself. In a host that rounds those otherwise (played here
// by a host that sums the product the other way round), loading the plug-in
// must choose the literal pass, which asks the host for them. That the two
// paths agree where the host agrees is what the other tests here check.
#include "pass/PassPathsFixture.h"

#include "DeformKernel.h"

#include "math/ProductOrder.h"

#include <gtest/gtest.h>

namespace {

using namespace kavo::test::pass;
using kavo::host::math::ProductOrder;
using kavo::host::math::setProductOrder;
using Path = NoiseDeformerNode::PassPath;

class HostArithmeticTest : public DeformPassPathsTest
{
protected:
    void TearDown() override
    {
        setProductOrder(ProductOrder::xToW);
        DeformPassPathsTest::TearDown();
        reloadPlugin();
    }

    static void reloadPlugin()
    {
        ASSERT_EQ(uninitializePlugin(linkedPlugin()), MStatus::kSuccess);
        ASSERT_EQ(initializePlugin(linkedPlugin()), MStatus::kSuccess);
    }
};

TEST_F(HostArithmeticTest, AHostThatSumsAProductOtherwiseGetsTheLiteralPass)
{
    EXPECT_TRUE(DeformKernel::agreesWithHost());
    reloadPlugin();
    EXPECT_EQ(NoiseDeformerNode::m_passPath, Path::batch);

    setProductOrder(ProductOrder::wToX);
    EXPECT_FALSE(DeformKernel::agreesWithHost());
    reloadPlugin();
    EXPECT_EQ(NoiseDeformerNode::m_passPath, Path::literal);
}

} // namespace
