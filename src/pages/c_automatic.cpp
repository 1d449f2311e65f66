#include "pages/c_automatic.h"

#include "pages/page_fields.h"
#include "preview/handover.h"
#include "settings/settings.h"

using namespace posts;

CAutomatic::CAutomatic(Form& form, Messages& messages, FileDialogs& dialogs, Sheet& window)
    : form_(form), messages_(messages), sides_(form, messages, viewOf(postJob), kSides, kChoices),
      flow_(*this, form, messages, dialogs, window, FlowControls{CurrentTapFile, TotalPosts}, "Post.tap")
{
}

void CAutomatic::create()
{
    postJob.sides = 1;
    for (int side = 0; side < 2; ++side)
        sides_.showOffsetting(side);
    sides_.oneSideMode();
}

void CAutomatic::redraw()
{
    sides_.redraw(PageId::Posts);
}

void CAutomatic::onMaterialSelected()
{
    if (const MaterialRecord* material = libraryRecord(materialList, form_.selectedRecord(MaterialList))) {
        postJob.material = *material;
        postJob.materialName = material->name;
        flow_.takeMaterialFeeds(*material);
    }
    redraw();
}

void CAutomatic::onHoleSelected()
{
    sides_.takeSelectedHoles();
    redraw();
}

void CAutomatic::onSide2HoleFocusLost()
{
    sides_.takeSide2HoleText();
    redraw();
}

void CAutomatic::onDistanceCommitted(int)
{
    if (sides_.commitField(kDistanceField, &PatternSide::distanceFromTop))
        redraw();
}

void CAutomatic::onSpacingCommitted(int)
{
    if (sides_.commitField(kSpacingField, &PatternSide::spacing))
        redraw();
}

void CAutomatic::onHolesCommitted(int)
{
    if (sides_.commitField(kHolesField, &PatternSide::holeCount))
        redraw();
}

void CAutomatic::onOffsetAmountCommitted(int)
{
    if (sides_.commitOffsetAmount())
        redraw();
}

void CAutomatic::onUseOffsettingClicked(int side)
{
    sides_.useOffsetting(side);
    redraw();
}

void CAutomatic::onNoOffsettingClicked(int side)
{
    sides_.noOffsetting(side);
    redraw();
}

void CAutomatic::onAlternateClicked(int)
{
    sides_.takeAlternateBoxes();
    redraw();
}

void CAutomatic::onCutOneSideClicked()
{
    sides_.oneSideMode();
    redraw();
}

void CAutomatic::onCutBothSidesClicked()
{
    sides_.cutBothSides();
    redraw();
}

void CAutomatic::onOverlayClicked()
{
    sides_.setDisplay(1);
    redraw();
}

void CAutomatic::onApartClicked()
{
    sides_.setDisplay(0);
    redraw();
}
