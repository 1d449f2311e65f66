#include "ui/rails_page.h"

#include "ui/job_buttons.h"
#include "ui/main_window.h"
#include "ui/page_builder.h"
#include "ui/page_tooltips.h"
#include "ui/pattern_side_widgets.h"

#include <QLabel>
#include <QLineEdit>

using namespace rails;

namespace {

constexpr JobButtons kJobButtons{CutOneSide, CutBothSides, Overlay, Apart, Save, Load, Clear, Run};

constexpr int kSideTop = 40;
constexpr int kRailRows = 3;
// Number of Holes leaves room beside it for the note on a count the page chose.
constexpr int kHolesWidth = 24;

// The note beside Number of Holes, then the rows under it: what is left below the holes, and the
// slope, typed on side 1 and mirrored on side 2.
void buildRailRows(PageBuilder& b, int side, int left)
{
    const RailFields& f = kRailFields[static_cast<size_t>(side)];
    QLabel* note = b.label("", left + 92 + kHolesWidth, kSideTop + 76, 166 - 93 - kHolesWidth, 8, f.holesNote);
    // A remark on the field, not a value: smaller, in italics.
    QFont remark = note->font();
    remark.setItalic(true);
    remark.setPointSizeF(remark.pointSizeF() * 0.8);
    note->setFont(remark);
    const int top = kSideTop + 90;
    b.label("Distance from Bottom:", left + 7, top + 2, 94, 8, f.bottomLabel);
    b.lineEdit(f.bottom, left + 102, top, 48, 12, true);
    b.label("Rise:", left + 7, top + 18, 78, 8, f.riseLabel);
    b.lineEdit(f.rise, left + 90, top + 16, 60, 12, side == 1);
    b.label("Run:", left + 7, top + 34, 78, 8, f.runLabel);
    b.lineEdit(f.run, left + 90, top + 32, 60, 12, side == 1);
}

} // namespace

RailsPage::RailsPage(MainWindow& window) : logic_(form_, window.messages(), window.fileDialogs(), window)
{
    QWidget* page = build();
    bind();
    applyTooltips(form_, PageId::Rails);
    window.setFileButtons(PageId::Rails, fileButtons(form_, kJobButtons));
    logic_.create();
    window.setPage(PageId::Rails, page,
                   PageHooks{[this] { logic_.onShown(); },
                             [this] {
                                 logic_.onLeft();
                                 return true;
                             },
                             &logic_, [this](bool underway) { logic_.onLeaving(underway); }, &logic_.flow()});
}

QWidget* RailsPage::build()
{
    auto* page = new QWidget;
    PageBuilder b(page, form_);
    b.groupBox("Post Section:", 7, 6, 339, 30);
    b.label("Select Post Material:", 14, 19, 90, 8);
    b.editableList(MaterialList, 108, 17, 160, 14);
    for (int side = 0; side < 2; ++side) {
        const int left = side == 0 ? 7 : 180;
        buildPatternSide(b, kSides[static_cast<size_t>(side)], side,
                         {left, kSideTop, kRailRows, kHolesWidth, [&b, side, left] { buildRailRows(b, side, left); }});
    }

    const int below = kSideTop + 150 + 16 * kRailRows + 4;
    b.label("Current Tap File:", 7, below + 2, 68, 8);
    b.lineEdit(CurrentTapFile, 76, below, 190, 12, true);
    b.pushButton(Save, "&Save", 270, below - 1, 36, 14);
    b.pushButton(Load, "&Load", 310, below - 1, 36, 14);

    const int job = below + 16;
    b.groupBox("Current Job:", 7, job, 216, 40);
    b.startRadioGroup();
    b.radioButton(CutOneSide, "Cut One S&ide", 14, job + 12, 80, 10);
    b.radioButton(CutBothSides, "Cut &Both Sides", 14, job + 25, 80, 10);
    b.label("Total Number of Posts to Cut:", 98, job + 12, 122, 8);
    b.lineEdit(TotalPosts, 98, job + 24, 60, 12);

    b.startRadioGroup();
    b.radioButton(Overlay, "Overla&y Sides", 230, job, 110, 10);
    b.radioButton(Apart, "Display Sides A&part", 230, job + 12, 110, 10);
    b.pushButton(MakeEqual, "&Make Top/Bottom Equal", 230, job + 24, 114, 14);
    b.pushButton(Run, "&Run", 230, job + 41, 54, 14);
    b.pushButton(Clear, "&Clear", 290, job + 41, 54, 14);
    return page;
}

void RailsPage::bind()
{
    CRails& l = logic_;
    bindPatternSides(form_, kSides, l);
    form_.onSelectionChanged(MaterialList, [&l] { l.onMaterialSelected(); });
    form_.onFocusLost(kRailFields[0].rise, [&l] { l.onRiseCommitted(); });
    form_.onFocusLost(kRailFields[0].run, [&l] { l.onRunCommitted(); });
    form_.onClicked(MakeEqual, [&l] { l.onMakeEqualClicked(); });
    bindJobButtons(form_, kJobButtons, l);
}
