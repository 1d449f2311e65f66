#include "ui/config_groups.h"

#include "pages/config_controls.h"
#include "ui/page_builder.h"

#include <initializer_list>

using namespace config;

namespace {

constexpr int kRow = 14;
constexpr int kInset = 6;
constexpr int kFirstRow = 12; // below the group's title

struct Field {
    QString caption;
    ControlId id;
    ControlId labelId = PageBuilder::kNoId;
};

// A caption with its line edit to the right, on one row.
void field(PageBuilder& b, const Field& f, int x, int y, int labelWidth, int editWidth)
{
    b.label(f.caption, x, y + 2, labelWidth, 8, f.labelId);
    b.lineEdit(f.id, x + labelWidth + 2, y, editWidth, 12);
}

// Fields one under the other; returns the row below the last.
int fields(PageBuilder& b, std::initializer_list<Field> list, int x, int y, int labelWidth, int editWidth)
{
    for (const Field& f : list) {
        field(b, f, x, y, labelWidth, editWidth);
        y += kRow;
    }
    return y;
}

void saveDelete(PageBuilder& b, ControlId save, ControlId remove, int x, int y)
{
    b.pushButton(save, "Save", x, y, 40, 14);
    b.pushButton(remove, "Delete", x + 44, y, 40, 14);
}

// The three libraries share one column: a list of names, its fields and Save / Delete.
constexpr int kLibraryWidth = 120;
constexpr int kLibraryLabel = 56;
constexpr int kLibraryEdit = 50;

void materialGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Post Material Section:", x, y, kLibraryWidth, 133);
    b.editableList(MaterialName, x + kInset, y + kFirstRow, 108, 14);
    const int below = fields(b,
                             {{"Length:", MaterialLength},
                              {"Width:", MaterialWidth},
                              {"Height:", MaterialHeight},
                              {"Thickness:", MaterialThickness},
                              {"Cut Rate:", CutRate},
                              {"Plunge Rate:", PlungeRate}},
                             x + kInset, y + 30, kLibraryLabel, kLibraryEdit);
    saveDelete(b, MaterialSave, MaterialDelete, x + kInset, below + 1);
}

void holeGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Hole Configuration Section:", x, y, kLibraryWidth, 104);
    b.editableList(HoleName, x + kInset, y + kFirstRow, 108, 14);
    const int below = fields(b, {{"Length:", HoleLength}, {"Width:", HoleWidth}, {"Radius:", HoleRadius}},
                             x + kInset, y + 30, kLibraryLabel, kLibraryEdit);
    b.checkBox(Subprogram, "Subprogram", x + kInset, below + 1, 80, 10);
    saveDelete(b, HoleSave, HoleDelete, x + kInset, below + 14);
}

void bitGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Bit Type:", x, y, kLibraryWidth, 63);
    b.editableList(BitName, x + kInset, y + kFirstRow, 108, 14);
    const int below = fields(b, {{"Bit Diameter:", BitDiameter}}, x + kInset, y + 30, kLibraryLabel, kLibraryEdit);
    saveDelete(b, BitSave, BitDelete, x + kInset, below + 1);
}

// Two narrow fields side by side, as the fixture and ending positions are laid out.
constexpr int kPairStep = 57;

void fixturePositions(PageBuilder& b, int x, int y)
{
    b.label("Fixture Positions:", x, y, 110, 8);
    // The Y and the ending position are often 100 or more on a long table: their fields are wider.
    field(b, {"Y:", FixtureY}, x, y + 10, 20, 40);
    for (int k = 1; k <= 12; ++k) {
        const QString caption = QStringLiteral("X%1:").arg(k, 2);
        const int column = (k - 1) / 6;
        const int row = (k - 1) % 6;
        field(b, {caption, positionX(k), positionLabel(k)}, x + column * kPairStep,
              y + 24 + row * kRow, 20, 32);
    }
}

void positionsGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Positions:", x, y, 124, 224);
    field(b, {"Times to Loop:", TimesToLoop}, x + kInset, y + kFirstRow, 60, 36);
    fixturePositions(b, x + kInset, y + 28);
    b.label("Ending Position:", x + kInset, y + 138, 110, 8);
    field(b, {"X:", EndX}, x + kInset, y + 148, 12, 40);
    field(b, {"Y:", EndY}, x + kInset + kPairStep, y + 148, 12, 40);
    b.label("Machine Homes at:", x + kInset, y + 164, 110, 8);
    b.startRadioGroup();
    b.radioButton(HomesTop, "Top of Post", x + kInset, y + 174, 110, 10);
    b.radioButton(HomesBottom, "Bottom of Post", x + kInset, y + 186, 110, 10);
    b.label("Cutting Style:", x + kInset, y + 200, 110, 8);
    b.startRadioGroup();
    b.radioButton(StyleNormal, "Normal", x + kInset, y + 210, 50, 10);
    b.radioButton(StyleInverted, "Inverted", x + kInset + 54, y + 210, 56, 10);
}

void verticalAxisGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Vertical Axis Information:", x, y, 146, 136);
    b.label("Cutting Depth:", x + kInset, y + 13, 100, 8);
    b.startRadioGroup();
    b.radioButton(DepthFixed, "Fixed", x + kInset, y + 23, 44, 10);
    b.radioButton(DepthVariable, "Variable", x + kInset + 48, y + 23, 60, 10);
    fields(b,
           {{"Depth:", Depth, DepthLabel},
            {"Maximum:", Maximum, MaximumLabel},
            {"Number of Heads:", Heads},
            {"Vertical Axis Characters:", AxisCharacters},
            {"Lead in Radius:", LeadIn},
            {"Exit Radius:", Exit},
            {"Clearance:", Clearance}},
           x + kInset, y + 36, 100, 32);
}

void actionOnRunGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Action on Run:", x, y, 146, 26);
    b.startRadioGroup();
    b.radioButton(RunMinimize, "Minimize", x + kInset, y + kFirstRow, 56, 10);
    b.radioButton(RunClose, "Close", x + kInset + 60, y + kFirstRow, 50, 10);
}

void tableGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Table Size:", x, y, 114, 97);
    const int below = fields(b,
                             {{"Low X:", TableLowX},
                              {"Low Y:", TableLowY},
                              {"High X:", TableHighX},
                              {"High Y:", TableHighY},
                              {"Border:", TableBorder}},
                             x + kInset, y + kFirstRow, 36, 50);
    b.checkBox(Autozoom, "Autozoom", x + kInset, below + 1, 80, 10);
}

void alignmentGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Post Alignment:", x, y, 114, 50);
    b.startRadioGroup();
    b.radioButton(AlignLeft, "Left Edge", x + kInset, y + kFirstRow, 100, 10);
    b.radioButton(AlignCenter, "Center", x + kInset, y + kFirstRow + 12, 100, 10);
    b.radioButton(AlignRight, "Right Edge", x + kInset, y + kFirstRow + 24, 100, 10);
}

// The labels are wide for what the logic may write there ("Z Spindle On:", "Disabled").
void spindleGroup(PageBuilder& b, int x, int y)
{
    static const char* const kOrdinals[] = {"First", "Second", "Third", "Fourth"};
    b.groupBox("Spindle Operation Commands:", x, y, 264, 70);
    for (int k = 1; k <= 4; ++k) {
        const QString ordinal = QLatin1String(kOrdinals[k - 1]);
        const int row = y + kFirstRow + (k - 1) * kRow;
        b.label(ordinal + " Spindle On:", x + kInset, row + 2, 82, 8, spindleOnLabel(k));
        b.lineEdit(spindleOn(k), x + 90, row, 38, 12);
        b.label(ordinal + " Spindle Off:", x + 134, row + 2, 82, 8, spindleOffLabel(k));
        b.lineEdit(spindleOff(k), x + 218, row, 40, 12);
    }
}

void filePathsGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("File Paths:", x, y, 258, 56);
    fields(b, {{"G-Code File:", GcodePath}, {"Job File:", JobPath}, {"Controller:", ControllerPath}},
           x + kInset, y + kFirstRow, 54, 190);
}

// The machine's own rates, which a material whose rates are 0 cuts with.
void feedRatesGroup(PageBuilder& b, int x, int y)
{
    b.groupBox("Feed Rates:", x, y, 130, 56);
    fields(b, {{"Default Cut Rate:", DefaultCutRate}, {"Default Plunge Rate:", DefaultPlungeRate}},
           x + kInset, y + kFirstRow, 86, 30);
}

} // namespace

void buildConfigGroups(PageBuilder& b)
{
    materialGroup(b, 4, 4);
    holeGroup(b, 4, 140);
    bitGroup(b, 4, 247);
    positionsGroup(b, 128, 4);
    verticalAxisGroup(b, 256, 4);
    actionOnRunGroup(b, 256, 143);
    tableGroup(b, 406, 4);
    alignmentGroup(b, 406, 104);
    spindleGroup(b, 256, 172);
    filePathsGroup(b, 128, 245);
    feedRatesGroup(b, 390, 245);
}
