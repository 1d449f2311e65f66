#include "ui/posts_page.h"

#include "ui/main_window.h"
#include "ui/page_builder.h"

using namespace posts;

PostsPage::PostsPage(MainWindow& window)
    : logic_(form_, window.messages(), window.fileDialogs(), window)
{
    QWidget* page = build();
    bind();
    logic_.create();
    window.setPage(PageId::Posts, page,
                   PageHooks{[this] { logic_.onShown(); },
                             [this] {
                                 logic_.onLeft();
                                 return true;
                             }});
}

// Both hole sections have the same controls; side 2's stand to the right of side 1's.
void PostsPage::buildSide(PageBuilder& b, int side, int left)
{
    const auto id = [side](ControlId side1Control) { return onSide(side1Control, side); };
    b.groupBox(side == 0 ? "Hole Section Side 1:" : "Hole Section Side 2:", left, 40, 166, 150);
    b.label("Select Hole Type:", left + 7, 52, 100, 8, id(HoleListLabel));
    b.editableList(id(HoleList), left + 7, 62, 152, 14);
    b.label("Distance from Top:", left + 7, 84, 78, 8, id(DistanceLabel));
    b.lineEdit(id(Distance), left + 90, 82, 60, 12);
    b.label("Spacing:", left + 7, 100, 78, 8, id(SpacingLabel));
    b.lineEdit(id(Spacing), left + 90, 98, 60, 12);
    b.label("Number of Holes:", left + 7, 116, 78, 8, id(HolesLabel));
    b.lineEdit(id(Holes), left + 90, 114, 60, 12);
    // The two offsetting buttons share one place; only one is shown at a time.
    b.pushButton(id(UseOffsetting), "Use Offsetting", left + 7, 134, 70, 14);
    b.pushButton(id(NoOffsetting), "No Offsetting", left + 7, 134, 70, 14);
    b.label("Offset Amount:", left + 7, 156, 78, 8, id(OffsetAmountLabel));
    b.lineEdit(id(OffsetAmount), left + 90, 154, 60, 12);
    b.checkBox(id(Alternate), "Alternate Offset", left + 7, 172, 90, 10);
}

QWidget* PostsPage::build()
{
    auto* page = new QWidget;
    PageBuilder b(page, form_);
    b.groupBox("Post Section:", 7, 6, 339, 30);
    b.label("Select Post Material:", 14, 19, 90, 8);
    b.editableList(MaterialList, 108, 17, 160, 14);

    buildSide(b, 0, 7);
    buildSide(b, 1, 180);

    b.label("Current Tap File:", 7, 198, 68, 8);
    b.lineEdit(CurrentTapFile, 76, 196, 190, 12, true);
    b.pushButton(Save, "Save", 270, 195, 36, 14);
    b.pushButton(Load, "Load", 310, 195, 36, 14);

    b.groupBox("Current Job:", 7, 214, 216, 56);
    b.startRadioGroup();
    b.radioButton(CutOneSide, "Cut One Side", 14, 227, 80, 10);
    b.radioButton(CutBothSides, "Cut Both Sides", 14, 241, 80, 10);
    b.label("Total Number of Posts to Cut:", 98, 227, 122, 8);
    b.lineEdit(TotalPosts, 98, 240, 60, 12);

    b.startRadioGroup();
    b.radioButton(Overlay, "Overlay Sides", 230, 220, 110, 10);
    b.radioButton(Apart, "Display Sides Apart", 230, 234, 110, 10);
    b.pushButton(Run, "&Run", 230, 254, 54, 16);
    b.pushButton(Clear, "&Clear", 290, 254, 54, 16);
    return page;
}

void PostsPage::bind()
{
    CAutomatic& l = logic_;
    form_.onSelectionChanged(MaterialList, [&l] { l.onMaterialSelected(); });
    form_.onFocusLost(onSide(HoleList, 1), [&l] { l.onSide2HoleFocusLost(); });
    for (int side = 0; side < 2; ++side) {
        form_.onSelectionChanged(onSide(HoleList, side), [&l] { l.onHoleSelected(); });
        form_.onFocusLost(onSide(Distance, side), [&l] { l.onDistanceCommitted(); });
        form_.onFocusLost(onSide(Spacing, side), [&l] { l.onSpacingCommitted(); });
        form_.onFocusLost(onSide(Holes, side), [&l] { l.onHolesCommitted(); });
        form_.onFocusLost(onSide(OffsetAmount, side), [&l] { l.onOffsetAmountCommitted(); });
        form_.onClicked(onSide(UseOffsetting, side), [&l, side] { l.onUseOffsettingClicked(side); });
        form_.onClicked(onSide(NoOffsetting, side), [&l, side] { l.onNoOffsettingClicked(side); });
        form_.onClicked(onSide(Alternate, side), [&l] { l.onAlternateClicked(); });
    }
    form_.onClicked(CutOneSide, [&l] { l.onCutOneSideClicked(); });
    form_.onClicked(CutBothSides, [&l] { l.onCutBothSidesClicked(); });
    form_.onClicked(Overlay, [&l] { l.onOverlayClicked(); });
    form_.onClicked(Apart, [&l] { l.onApartClicked(); });
    form_.onClicked(Save, [&l] { l.onSaveClicked(); });
    form_.onClicked(Load, [&l] { l.onLoadClicked(); });
    form_.onClicked(Clear, [&l] { l.onClearClicked(); });
    form_.onClicked(Run, [&l] { l.onRunClicked(); });
}
