// A number field a person types into. Its text is read as a decimal number,
// in exponent form too, whatever the field's step; text that is no number, or
// a number out of range, reaches nobody while it is typed. Committed (Return,
// Tab, the focus leaving, the field hidden with its window), a number out of range lands on the nearest limit
// and anything else gives way to the value in force again, shown from its
// first digit. value() is always the value in force: what the field last
// called back with, or was set to.
#pragma once

#include <FL/Fl_Value_Input.H>

class TypedField : public Fl_Value_Input {
public:
    TypedField(int x, int y, int w, int h, const char* label);

    int handle(int event) override;

private:
    static void textChanged(Fl_Widget*, void* field);
    // Whether the text gives a value to call back with, which is then in force.
    bool take();
    void showValueInForce();
    void setUpText();
};
