#include "platform/single_window.h"

#include <gtest/gtest.h>

#include <QPointer>

#include "platform/form_window.h"
#include "window_test_support.h"

namespace krv1::platform {
namespace {

int loads = 0;

class CountingWindow : public FormWindow {
public:
    CountingWindow()
        : FormWindow(WindowLayout{"FormT", "T", Rgb{1, 2, 3}, 1500, 1500, false}, {}, QIcon()) {}

protected:
    void fillOnLoad() override { ++loads; }
};

TEST(SingleWindow, ExistsOnceAndComesBackAfterHiding) {
    loads = 0;
    SingleWindow<CountingWindow> single;
    EXPECT_EQ(single.existing(), nullptr);
    CountingWindow& first = single.show();
    CountingWindow& again = single.show();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(loads, 1);
    first.hide();
    EXPECT_EQ(&single.show(), &first);
    EXPECT_TRUE(first.isVisible());
    EXPECT_EQ(loads, 1);
}

TEST(SingleWindow, FrameCloseDestroysAndTheNextShowCreatesAfresh) {
    loads = 0;
    SingleWindow<CountingWindow> single;
    QPointer<CountingWindow> first = &single.show();
    first->close();
    krv1::testing::ProcessEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(single.existing(), nullptr);
    single.show();
    EXPECT_NE(single.existing(), nullptr);
    EXPECT_EQ(loads, 2);
}

}  // namespace
}  // namespace krv1::platform
