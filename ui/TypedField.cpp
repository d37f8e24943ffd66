#include "TypedField.h"

#include <cstdlib>
#include <cstring>

namespace {

// Text as a person means it: a decimal number and nothing else, so "077" is
// 77, while hexadecimal, "inf" and "nan" are no numbers at all.
bool readDecimal(const char* text, double& value) {
    if (text[std::strspn(text, "0123456789+-.eE ")] != '\0')
        return false;
    char* end = nullptr;
    value = std::strtod(text, &end);
    return end != text && end[std::strspn(end, " ")] == '\0';
}

}  // namespace

TypedField::TypedField(int x, int y, int w, int h, const char* label)
    : Fl_Value_Input(x, y, w, h, label) {
    // The text is read here, not by the toolkit, which would read "1e5" as 1
    // and a refused text as a value.
    input.callback(textChanged, this);
    // A drag in the field stops at the limits.
    soft(0);
    setUpText();
}

int TypedField::handle(int event) {
    // Hidden, a window takes the focus along without a word to the field:
    // what was typed is settled here as if the focus had left.
    if (event == FL_HIDE && take())
        do_callback();
    const int used = Fl_Value_Input::handle(event);
    setUpText();  // the toolkit sets both up again for every event it passes on
    return used;
}

void TypedField::setUpText() {
    // An integer field would refuse the exponent's "e" as it is typed.
    input.type(FL_FLOAT_INPUT);
    // The text calls back on every edit and on every commit, edited or not.
    input.when(FL_WHEN_CHANGED | FL_WHEN_RELEASE | FL_WHEN_ENTER_KEY | FL_WHEN_NOT_CHANGED);
}

void TypedField::textChanged(Fl_Widget*, void* field) {
    TypedField& self = *static_cast<TypedField*>(field);
    if (self.take())
        self.do_callback();
}

// Only an edit is typing, and typing 1000 passes through 1, 10 and 100:
// values in range go out as they are typed, anything else waits for the
// commit. So a commit speaks only for text held back, never for text nobody
// touched.
bool TypedField::take() {
    double typed;
    const bool number = readDecimal(input.value(), typed);
    if (input.changed()) {  // edited since the text last called back
        if (!number || clamp(typed) != typed)
            return false;
        set_value(typed);
        return true;
    }
    if (!number) {
        showValueInForce();
        return false;
    }
    const double landed = clamp(typed);
    if (landed == typed && landed == value())
        return false;
    set_value(landed);
    showValueInForce();
    return true;
}

void TypedField::showValueInForce() {
    char text[128];
    format(text);
    input.value(text);
    // From its first digit, all of it selected: a narrow field would show
    // the end of a longer text, "-1.00000000" as "1.00000000".
    input.position(0, input.size());
}
