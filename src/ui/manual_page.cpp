#include "ui/manual_page.h"

#include "ui/job_buttons.h"
#include "ui/main_window.h"
#include "ui/page_builder.h"
#include "ui/page_tooltips.h"

using namespace manual;

namespace {

constexpr JobButtons kJobButtons{CutOneSide, CutBothSides, Overlay, Apart, Save, Load, Clear, Run};

// One side's group with its left edge at left (dialog units): the hole type, spacing and offset
// of the next hole, the buttons that edit the side's rows, and the rows themselves.
void buildSide(PageBuilder& b, int side, int left)
{
    const auto id = [side](ControlId side1Control) { return onSide(side1Control, side); };
    constexpr int top = 40;
    b.groupBox(side == 0 ? "Hole Section Side 1:" : "Hole Section Side 2:", left, top, 166, 172);
    b.label("Hole Type:", left + 7, top + 12, 100, 8, id(HoleListLabel));
    b.editableList(id(HoleList), left + 7, top + 22, 152, 14);
    b.label("Spacing:", left + 7, top + 44, 40, 8, id(SpacingLabel));
    b.lineEdit(id(Spacing), left + 50, top + 42, 50, 12);
    b.label("Offset:", left + 7, top + 60, 40, 8, id(OffsetLabel));
    b.lineEdit(id(Offset), left + 50, top + 58, 50, 12);
    // Beside the field it governs; the logic recaptions it "No Offset", and its Alt key stays.
    b.pushButton(id(OffsetToggle), "Offset", left + 106, top + 57, 53, 14);
    // Each side's buttons have Alt keys of their own.
    b.pushButton(id(Add), side == 0 ? "&Add" : "A&dd", left + 7, top + 76, 48, 14);
    b.pushButton(id(Remove), side == 0 ? "Re&move" : "Remo&ve", left + 59, top + 76, 48, 14);
    b.pushButton(id(Change), side == 0 ? "Cha&nge" : "Chan&ge", left + 111, top + 76, 48, 14);
    // About eight rows such as "#12 : RAIL 4X1.5 : 10.000 : 0.750" beside the scroll bar.
    b.listBox(id(Rows), left + 7, top + 94, 152, 72);
}

} // namespace

ManualPage::ManualPage(MainWindow& window)
    : logic_(form_, window.messages(), window.fileDialogs(), window)
{
    QWidget* page = build();
    bind();
    applyTooltips(form_, PageId::Manual);
    window.setFileButtons(PageId::Manual, fileButtons(form_, kJobButtons));
    logic_.create();
    window.setPage(PageId::Manual, page,
                   PageHooks{[this] { logic_.onShown(); },
                             [this] {
                                 logic_.onLeft();
                                 return true;
                             },
                             &logic_, nullptr, &logic_.flow()});
}

QWidget* ManualPage::build()
{
    auto* page = new QWidget;
    PageBuilder b(page, form_);
    b.groupBox("Post Section:", 7, 6, 339, 30);
    b.label("Material:", 14, 19, 44, 8);
    b.editableList(MaterialList, 60, 17, 160, 14);

    buildSide(b, 0, 7);
    buildSide(b, 1, 180);
    // "Offset" and "No Offset" share their letters with the page's other keys but for these.
    form_.keepAltKey(OffsetToggle, QLatin1Char('O'));
    form_.keepAltKey(onSide(OffsetToggle, 1), QLatin1Char('t'));

    b.label("Current Tap File:", 7, 220, 68, 8);
    b.lineEdit(CurrentTapFile, 76, 218, 190, 12, true);
    b.pushButton(Save, "&Save", 270, 217, 36, 14);
    b.pushButton(Load, "&Load", 310, 217, 36, 14);

    b.groupBox("Side to Cut Configuration:", 7, 236, 216, 56);
    b.startRadioGroup();
    b.radioButton(CutOneSide, "Cut One S&ide", 14, 249, 80, 10);
    b.radioButton(CutBothSides, "Cut &Both Sides", 14, 263, 80, 10);
    b.label("Total Number of Posts to Cut:", 98, 249, 122, 8);
    b.lineEdit(TotalPosts, 98, 262, 60, 12);

    b.startRadioGroup();
    b.radioButton(Overlay, "Overla&y Sides", 230, 242, 110, 10);
    b.radioButton(Apart, "Display Sides A&part", 230, 256, 110, 10);
    b.pushButton(Run, "&Run", 230, 276, 54, 16);
    b.pushButton(Clear, "&Clear", 290, 276, 54, 16);
    return page;
}

void ManualPage::bind()
{
    CManual& l = logic_;
    bindSide(0);
    bindSide(1);
    form_.onSelectionChanged(MaterialList, [&l] { l.onMaterialSelected(); });
    bindJobButtons(form_, kJobButtons, l);
}

void ManualPage::bindSide(int side)
{
    CManual& l = logic_;
    form_.onSelectionChanged(onSide(Rows, side), [&l, side] { l.onRowSelected(side); });
    form_.onSelectionCancelled(onSide(Rows, side), [&l, side] { l.onRowSelectionCancelled(side); });
    form_.onClicked(onSide(OffsetToggle, side), [&l, side] { l.onOffsetToggled(side); });
    form_.onClicked(onSide(Add, side), [&l, side] { l.onAddClicked(side); });
    form_.onClicked(onSide(Remove, side), [&l, side] { l.onRemoveClicked(side); });
    form_.onClicked(onSide(Change, side), [&l, side] { l.onChangeClicked(side); });
}
