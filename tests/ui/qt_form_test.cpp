#include "ui/qt_form.h"

#include "platform/memory_form.h"
#include "ui/focus_lost_queue.h"
#include "ui/page_builder.h"
#include "ui/qt_messages.h"
#include "ui_test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <sstream>

namespace {

enum : ControlId { kCombo = 1, kList, kEdit, kOther, kButton, kFirstRadio, kSecondRadio, kLabel, kBox };

// A page with one control of each kind, built as a page binding builds its page.
class FormPage : public QWidget {
public:
    FormPage()
    {
        PageBuilder build(this, form);
        combo = build.editableList(kCombo, 10, 10, 100, 60);
        list = build.listBox(kList, 10, 30, 100, 60);
        edit = build.lineEdit(kEdit, 120, 10, 60, 12);
        other = build.lineEdit(kOther, 120, 30, 60, 12);
        button = build.pushButton(kButton, "&Run", 120, 50, 50, 14);
        build.startRadioGroup();
        first = build.radioButton(kFirstRadio, "Cut One Side", 120, 70, 80, 10);
        second = build.radioButton(kSecondRadio, "Cut Both Sides", 120, 82, 80, 10);
        build.label("Spacing:", 200, 10, 40, 8, kLabel);
        build.checkBox(kBox, "Alternate Offset", 200, 30, 80, 10);
        resize(420, 260);
    }
    QtForm form;
    QComboBox* combo;
    QListWidget* list;
    QLineEdit* edit;
    QLineEdit* other;
    QPushButton* button;
    QRadioButton* first;
    QRadioButton* second;
};

std::string snapshot(const Form& f)
{
    std::ostringstream out;
    for (ControlId id : {kCombo, kList}) {
        out << id << ": rows " << f.selectedRow(id) << " [";
        for (int row = 0; row < f.itemCount(id); ++row)
            out << f.itemText(id, row) << "=" << f.itemRecord(id, row) << ";";
        out << "]\n";
    }
    out << "combo text " << f.text(kCombo) << "\nedit " << f.text(kEdit) << " " << f.enabled(kEdit) << " "
        << f.visible(kEdit) << "\n";
    out << "button " << f.caption(kButton) << " label " << f.caption(kLabel) << "\n";
    out << "radios " << f.checked(kFirstRadio) << f.checked(kSecondRadio) << " box " << f.checked(kBox) << "\n";
    return out.str();
}

class QtFormTest : public UiTest {};

TEST_F(QtFormTest, BehavesAsTheInMemoryFormThePagesAreTestedWith)
{
    FormPage page;
    MemoryForm memory;
    memory.setCaption(kButton, "&Run");
    memory.setCaption(kLabel, "Spacing:");
    const std::vector<std::function<void(Form&)>> steps = {
        [](Form& f) {
            f.addSortedItem(kCombo, "vinyl 5x5", 0);
            f.addSortedItem(kCombo, "Cedar 4x4", 1);
            f.addSortedItem(kCombo, "Vinyl 4x4", 2);
            f.insertItem(kCombo, 0, "(None)", -1);
        },
        [](Form& f) { f.setText(kCombo, "typed"); },
        [](Form& f) { EXPECT_EQ(f.selectByPrefix(kCombo, "VINYL"), 2); },
        [](Form& f) { f.insertItem(kCombo, 0, "A", 7); },
        [](Form& f) { f.selectRow(kCombo, -1); },
        [](Form& f) { f.clearItems(kCombo); },
        [](Form& f) {
            f.addSortedItem(kList, "#2 : B", 1);
            f.addSortedItem(kList, "#1 : A", 0);
            f.selectRow(kList, 1);
        },
        [](Form& f) { f.insertItem(kList, 0, "#0", 9); },
        [](Form& f) { f.selectRow(kList, -1); },
        [](Form& f) {
            f.setText(kEdit, "1.250");
            f.setCaption(kButton, "No Offset");
            f.setCaption(kLabel, "Offset:");
        },
        [](Form& f) {
            f.setChecked(kFirstRadio, true);
            f.setChecked(kSecondRadio, true);
        },
        [](Form& f) { f.setChecked(kSecondRadio, false); },
        [](Form& f) {
            f.setChecked(kFirstRadio, false);
            f.setChecked(kBox, true);
        },
        [](Form& f) {
            f.setEnabled(kEdit, false);
            f.setVisible(kEdit, false);
        },
    };
    for (size_t i = 0; i < steps.size(); ++i) {
        steps[i](memory);
        steps[i](page.form);
        EXPECT_EQ(snapshot(page.form), snapshot(memory)) << "after step " << i;
    }
}

TEST_F(QtFormTest, OnlyTheUsersSelectionsAreReported)
{
    FormPage page;
    ASSERT_TRUE(showActive(page));
    int comboChanged = 0, listChanged = 0, listCancelled = 0;
    page.form.onSelectionChanged(kCombo, [&] { ++comboChanged; });
    page.form.onSelectionChanged(kList, [&] { ++listChanged; });
    page.form.onSelectionCancelled(kList, [&] { ++listCancelled; });
    for (const char* name : {"Alpha", "Beta", "Gamma"}) {
        page.form.addSortedItem(kCombo, name, 0);
        page.form.addSortedItem(kList, name, 0);
    }
    page.form.selectRow(kCombo, 0);
    page.form.selectRow(kList, 0);
    page.form.selectRow(kList, -1);
    page.form.clearItems(kList);
    for (const char* name : {"Alpha", "Beta", "Gamma"})
        page.form.addSortedItem(kList, name, 0);
    EXPECT_EQ(comboChanged + listChanged + listCancelled, 0) << "the logic's own changes";

    QTest::keyClick(page.combo, Qt::Key_Down);
    EXPECT_EQ(comboChanged, 1);
    EXPECT_EQ(page.form.selectedRow(kCombo), 1);

    const QPoint beta = page.list->visualItemRect(page.list->item(1)).center();
    QTest::mouseClick(page.list->viewport(), Qt::LeftButton, {}, beta);
    EXPECT_EQ(listChanged, 1);
    EXPECT_EQ(page.form.selectedRow(kList), 1);
    QTest::mouseClick(page.list->viewport(), Qt::LeftButton, Qt::ControlModifier, beta);
    EXPECT_EQ(listCancelled, 1) << "the user took the selection away";
    EXPECT_EQ(page.form.selectedRow(kList), -1);
}

TEST_F(QtFormTest, RadioClicksAreExclusiveAndReportedAfterTheChange)
{
    FormPage page;
    ASSERT_TRUE(showActive(page));
    bool checkedWhenClicked = false;
    page.form.onClicked(kFirstRadio, [&] { checkedWhenClicked = page.form.checked(kFirstRadio); });
    page.form.setChecked(kSecondRadio, true);
    QTest::mouseClick(page.first, Qt::LeftButton);
    EXPECT_TRUE(checkedWhenClicked);
    EXPECT_FALSE(page.form.checked(kSecondRadio)) << "a click picks one of the group";
}

// The field check of a page: a field holding "bad" is refused with a box, and the field takes
// the focus back.
struct FieldCheck {
    FieldCheck(Form& f, Messages& m, ControlId field) : form(f), messages(m), id(field) {}
    void operator()()
    {
        ++runs;
        if (form.text(id) == "bad") {
            messages.show("Spacing between holes must be a legitimate number.", MessageIcon::None);
            form.setFocus(id);
        }
    }
    Form& form;
    Messages& messages;
    ControlId id;
    int runs = 0;
};

TEST_F(QtFormTest, FocusLostIsReportedAfterTheMoveAndNotWhenTheWindowIsLeft)
{
    FormPage page;
    QtMessages messages;
    FieldCheck check(page.form, messages, kEdit);
    page.form.onFocusLost(kEdit, [&] { check(); });
    ASSERT_TRUE(showActive(page));
    page.edit->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page.edit->hasFocus(); }));

    QWidget elsewhere;
    ASSERT_TRUE(showActive(elsewhere));
    settle();
    EXPECT_EQ(check.runs, 0) << "another window took over: the user has not left the field";

    ASSERT_TRUE(showActive(page));
    ASSERT_TRUE(waitUntil([&] { return page.edit->hasFocus(); }));
    QTest::keyClick(page.edit, Qt::Key_Tab);
    EXPECT_EQ(check.runs, 0) << "reported after the focus change, not inside it";
    ASSERT_TRUE(waitUntil([&] { return check.runs == 1; }));
    EXPECT_TRUE(page.other->hasFocus());
}

TEST_F(QtFormTest, TypingReplacesWhatTheLeftFieldsHandlerFilledIn)
{
    FormPage page;
    page.form.onFocusLost(kEdit, [&] { page.form.setText(kOther, "5"); });
    ASSERT_TRUE(showActive(page));
    page.edit->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page.edit->hasFocus(); }));
    QTest::keyClick(page.edit, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return page.form.text(kOther) == "5"; }));
    QTest::keyClicks(page.other, "4");
    EXPECT_EQ(page.form.text(kOther), "4");
}

TEST_F(QtFormTest, EditableListReportsLeavingItOnce)
{
    FormPage page;
    int lost = 0;
    page.form.onFocusLost(kCombo, [&] { ++lost; });
    ASSERT_TRUE(showActive(page));
    page.combo->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page.combo->hasFocus(); }));
    QTest::keyClicks(page.combo, "Vinyl");
    page.edit->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(waitUntil([&] { return lost > 0; }));
    settle();
    EXPECT_EQ(lost, 1);
    EXPECT_EQ(page.form.text(kCombo), "Vinyl");
}

TEST_F(QtFormTest, RefusedFieldShowsOneBoxWithoutFocusPingPong)
{
    FormPage page;
    QtMessages messages;
    FieldCheck first(page.form, messages, kEdit);
    FieldCheck second(page.form, messages, kOther);
    page.form.onFocusLost(kEdit, [&] { first(); });
    page.form.onFocusLost(kOther, [&] { second(); });
    page.form.setText(kEdit, "bad");
    page.form.setText(kOther, "bad"); // refused as well, were it ever checked
    ASSERT_TRUE(showActive(page));
    page.edit->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page.edit->hasFocus(); }));

    ModalAnswerer answerer(&page);
    QTest::keyClick(page.edit, Qt::Key_Tab);
    ASSERT_TRUE(waitUntil([&] { return first.runs == 1 && FocusLostQueue::instance().pending() == 0; }));
    settle();

    EXPECT_EQ(answerer.boxes(), 1);
    EXPECT_EQ(answerer.mostOpenAtOnce(), 1);
    EXPECT_EQ(first.runs, 1);
    EXPECT_EQ(second.runs, 0) << "the field the refusal took the focus from was not left by the user";
    EXPECT_TRUE(page.edit->hasFocus()) << "the refused field has the focus back";
}

TEST_F(QtFormTest, ClickThatLeavesARefusedFieldIsDropped)
{
    FormPage page;
    QtMessages messages;
    FieldCheck check(page.form, messages, kEdit);
    int runs = 0;
    page.form.onFocusLost(kEdit, [&] { check(); });
    page.form.onClicked(kButton, [&] { ++runs; });
    ASSERT_TRUE(showActive(page));
    page.edit->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page.edit->hasFocus(); }));

    ModalAnswerer answerer(&page);
    page.form.setText(kEdit, "bad");
    QTest::mouseClick(page.button, Qt::LeftButton);
    settle();
    EXPECT_EQ(check.runs, 1) << "the field is checked before the click";
    EXPECT_EQ(runs, 0) << "and its refusal drops the click";

    page.form.setText(kEdit, "1.5");
    page.edit->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page.edit->hasFocus(); }));
    QTest::mouseClick(page.button, Qt::LeftButton);
    settle();
    EXPECT_EQ(check.runs, 2);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(answerer.boxes(), 1);
}

TEST_F(QtFormTest, EnterCommitsTheFieldAsLeavingItAndPressesNoButton)
{
    QDialog window; // a default button of a dialog takes every Enter that reaches it
    auto* page = new FormPage;
    page->setParent(&window);
    window.resize(page->size());
    QtMessages messages;
    FieldCheck check(page->form, messages, kEdit);
    int clicks = 0, listCommits = 0;
    page->form.onFocusLost(kEdit, [&] { check(); });
    page->form.onFocusLost(kCombo, [&] { ++listCommits; });
    page->form.onClicked(kButton, [&] { ++clicks; });
    page->button->setDefault(true);
    ASSERT_TRUE(showActive(window));
    page->edit->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page->edit->hasFocus(); }));

    QTest::keyClick(page->edit, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return check.runs > 0; }));
    settle();
    EXPECT_EQ(check.runs, 1);
    EXPECT_TRUE(page->edit->hasFocus());

    ModalAnswerer answerer(&window);
    page->form.setText(kEdit, "bad");
    QTest::keyClick(page->edit, Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(waitUntil([&] { return check.runs == 2 && FocusLostQueue::instance().pending() == 0; }));
    settle();
    EXPECT_EQ(answerer.boxes(), 1) << "refused as on leaving the field";
    EXPECT_TRUE(page->edit->hasFocus());

    page->combo->setFocus();
    ASSERT_TRUE(waitUntil([&] { return page->combo->hasFocus(); }));
    QTest::keyClicks(page->combo, "Vinyl");
    QTest::keyClick(page->combo, Qt::Key_Return);
    ASSERT_TRUE(waitUntil([&] { return listCommits == 1; }));
    EXPECT_EQ(page->form.text(kCombo), "Vinyl");
    EXPECT_EQ(clicks, 0) << "Enter pressed no button";
    EXPECT_TRUE(window.isVisible()) << "nor accepted the window";
}

} // namespace
