#include "ControlFixture.h"

namespace {

class ControlInput : public ControlFixture {};

constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr COLORREF kGrey = RGB(159, 159, 159);

TEST_F(ControlInput, LeftPressFlipsTheCellAndRepaintsAtOnceInEitherState)
{
    for (bool running : {false, true}) {
        if (running)
            StartLife();
        const int paints = windows.PaintCount();
        Press(WM_LBUTTONDOWN, 17, 99);
        EXPECT_TRUE(control->Board().IsAlive(2, 12));
        EXPECT_EQ(windows.PaintCount(), paints + 1);
        EXPECT_EQ(windows.Surface(hwnd).GetPixel(2 * 8 + 3, 12 * 8 + 3), kYellow);
        Press(WM_LBUTTONDOWN, 17, 99);
        EXPECT_FALSE(control->Board().IsAlive(2, 12));
        EXPECT_EQ(windows.Surface(hwnd).GetPixel(2 * 8 + 3, 12 * 8 + 3), kGrey);
    }
}

TEST_F(ControlInput, LeftPressOutsideTheCellsFlipsNothing)
{
    for (auto [x, y] : {std::pair{100, 210}, std::pair{330, 10}, std::pair{-3, 10}, std::pair{10, -3}}) {
        Press(WM_LBUTTONDOWN, x, y);
        EXPECT_FALSE(control->Board().IsAlive(0, 1)) << x << "," << y;
        EXPECT_FALSE(control->Board().IsAlive(12, 26 / 8)) << x << "," << y;
    }
    int live = 0;
    for (int r = 0; r < 25; ++r)
        for (int c = 0; c < 40; ++c)
            live += control->Board().IsAlive(c, r);
    EXPECT_EQ(live, 10);
}

TEST_F(ControlInput, FlippedCellTakesPartInTheNextGeneration)
{
    Press(WM_LBUTTONDOWN, 14 * 8 + 1, 12 * 8 + 1);
    StartLife();
    windows.FireTimers();
    // An eleven-cell line grows one more cell above and below its ends' neighbours.
    EXPECT_TRUE(control->Board().IsAlive(15, 11));
    EXPECT_FALSE(control->Board().IsAlive(14, 11));
}

TEST_F(ControlInput, DrawsAtTheTargetOriginWhateverTheBounds)
{
    IViewObject* view = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IViewObject, reinterpret_cast<void**>(&view)), S_OK);
    Raster target(400, 300, RGB(1, 2, 3));
    CDC dc(target);
    ASSERT_EQ(view->Draw(&dc, RECT{50, 60, 370, 295}), S_OK);
    view->Release();
    EXPECT_EQ(target.GetPixel(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(target.GetPixel(15 * 8 + 1, 12 * 8 + 1), kYellow);
    EXPECT_EQ(target.GetPixel(319, 234), kGrey);
    EXPECT_EQ(target.GetPixel(320, 100), RGB(1, 2, 3));
    EXPECT_EQ(target.GetPixel(100, 235), RGB(1, 2, 3));
    EXPECT_TRUE(windows.Messages().empty());
}

TEST_F(ControlInput, SaveAndLoadGiveAStoppedControlAtGenerationZero)
{
    ASSERT_EQ(PutSpeed(40), S_OK);
    StartLife();
    windows.FireTimers();
    IPersistPropertyBag* persist = nullptr;
    ASSERT_EQ(control->QueryInterface(IID_IPersistPropertyBag, reinterpret_cast<void**>(&persist)), S_OK);
    CPropertyBag bag;
    ASSERT_EQ(persist->Save(bag), S_OK);
    persist->Release();
    EXPECT_EQ(bag.Read("_Version"), "65536");
    EXPECT_FALSE(bag.Read("Speed").has_value());

    control->Release();
    control = new CGameOfLifeCtrl;
    ASSERT_EQ(control->SetClientSite(&site), S_OK);
    control->GetWindow(&hwnd);
    ASSERT_EQ(control->Load(bag), S_OK);
    EXPECT_EQ(GetSpeed(), 100);
    EXPECT_EQ(control->Board().GetGeneration(), 0);
    EXPECT_TRUE(control->Board().IsAlive(15, 12));
    EXPECT_EQ(windows.FireTimers(), 0);
}

} // namespace
