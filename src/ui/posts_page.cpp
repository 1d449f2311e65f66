#include "ui/posts_page.h"

#include "ui/job_buttons.h"
#include "ui/main_window.h"
#include "ui/page_builder.h"
#include "ui/page_tooltips.h"
#include "ui/pattern_side_widgets.h"

using namespace posts;

namespace {
constexpr JobButtons kJobButtons{CutOneSide, CutBothSides, Overlay, Apart, Save, Load, Clear, Run};
}

PostsPage::PostsPage(MainWindow& window)
    : logic_(form_, window.messages(), window.fileDialogs(), window)
{
    QWidget* page = build();
    bind();
    applyTooltips(form_, PageId::Posts);
    window.setFileButtons(PageId::Posts, fileButtons(form_, kJobButtons));
    logic_.create();
    window.setPage(PageId::Posts, page,
                   PageHooks{[this] { logic_.onShown(); },
                             [this] {
                                 logic_.onLeft();
                                 return true;
                             },
                             &logic_, nullptr, &logic_.flow()});
}

QWidget* PostsPage::build()
{
    auto* page = new QWidget;
    PageBuilder b(page, form_);
    b.groupBox("Post Section:", 7, 6, 339, 30);
    b.label("Select Post Material:", 14, 19, 90, 8);
    b.editableList(MaterialList, 108, 17, 160, 14);

    buildPatternSide(b, kSides[0], 0, {7});
    buildPatternSide(b, kSides[1], 1, {180});

    b.label("Current Tap File:", 7, 198, 68, 8);
    b.lineEdit(CurrentTapFile, 76, 196, 190, 12, true);
    b.pushButton(Save, "&Save", 270, 195, 36, 14);
    b.pushButton(Load, "&Load", 310, 195, 36, 14);

    b.groupBox("Current Job:", 7, 214, 216, 56);
    b.startRadioGroup();
    b.radioButton(CutOneSide, "Cut One S&ide", 14, 227, 80, 10);
    b.radioButton(CutBothSides, "Cut &Both Sides", 14, 241, 80, 10);
    b.label("Total Number of Posts to Cut:", 98, 227, 122, 8);
    b.lineEdit(TotalPosts, 98, 240, 60, 12);

    b.startRadioGroup();
    b.radioButton(Overlay, "Overla&y Sides", 230, 220, 110, 10);
    b.radioButton(Apart, "Display Sides A&part", 230, 234, 110, 10);
    b.pushButton(Run, "&Run", 230, 254, 54, 16);
    b.pushButton(Clear, "&Clear", 290, 254, 54, 16);
    return page;
}

void PostsPage::bind()
{
    CAutomatic& l = logic_;
    bindPatternSides(form_, kSides, l);
    form_.onSelectionChanged(MaterialList, [&l] { l.onMaterialSelected(); });
    bindJobButtons(form_, kJobButtons, l);
}
