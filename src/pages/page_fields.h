#pragma once

#include "platform/form.h"
#include "settings/library_files.h"

#include <string>
#include <vector>

class Messages;

// Helpers the pages share for their fields and lists.

// How a number field's text becomes its value.
enum class NumberKind { Count, Length };

// A third mode beside kUnsigned and kSigned, for counts that take digits only: "2", never "2.5"
// or "-3".
inline constexpr int kDigitsOnly = 2;

// One number field of a page: its control, the number check's mode (kUnsigned or kSigned), its
// kind, and its messages. A page declares its fields as a table of these.
struct NumberField {
    ControlId id;
    int mode;
    NumberKind kind;
    // When the field must be filled in and is empty; null where an empty field is allowed.
    const char* missing;
    // When its text is not a number in its mode, or one too large for a float.
    const char* invalid;
    // The wording on leaving the field, where it differs from the collection's.
    const char* invalidOnLeave = nullptr;
};

// Leaving a field lets an empty one pass; collecting the job asks for a missing one.
enum class FieldCheck { Leave, Collect };

// True when a text is a number in the rule's mode that a float can hold, or, for a length, a
// whole number and a fraction ("5 1/2"); digits only in the digits-only mode. The one place where
// a field's text is judged.
bool isNumberFor(const NumberField& rule, const std::string& text);

// A length typed as a fraction is shown as its value with "%.3f", as every length is; id is the
// field's control when it is not rule.id.
void showFractionAsDecimal(Form& form, const NumberField& rule, const std::string& text, ControlId id = -1);

// Reads a field's text into text and checks it against its rule; id is the field's control when
// it is not rule.id (side 2 of a pattern). On a failure the message is shown, the focus goes back
// to the field and the result is false. An empty text passes unless it is missing. A fraction
// that passes is shown as a decimal, and text keeps it as typed, to be read exactly.
bool checkNumberField(Form& form, Messages& messages, const NumberField& rule, FieldCheck when,
                      std::string& text, ControlId id = -1);

// A checked text's value as the rule's kind reads it: the leading whole number of a count, the
// leading decimal or the fraction of a length. A length whose text still shows value with "%.3f"
// keeps it, so that a field read again never loses what a fraction gave it.
template <class Value>
void assignNumber(const NumberField& rule, const std::string& text, Value& value);

// A length with "%.3f", or an empty field when it is unset.
void showLength(Form& form, ControlId id, float value);
// A count with "%d", or an empty field when it is unset.
void showCount(Form& form, ControlId id, int value);

// The library record named by a list's text: the selected item when its text is the list's text,
// otherwise the first item whose text begins with it (letter case ignored), which is then
// selected. -1 when the text is empty or names no item.
int resolveListRecord(Form& form, ControlId list);

// The record at a list item's index, or null for an index outside the library.
template <class Record>
const Record* libraryRecord(const std::vector<Record>& library, int index)
{
    return index >= 0 && index < static_cast<int>(library.size()) ? &library[static_cast<size_t>(index)] : nullptr;
}

// Empties the lists and fills them from the library file again.
void refillLists(LibraryKind kind, Form& form, std::initializer_list<ControlId> lists);
