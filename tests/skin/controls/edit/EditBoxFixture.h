#pragma once
// What the edit box tests share: a shown form holding one box of the
// class under test, focused, and typing and key helpers.

#include "tests/support/UiTestSupport.h"

#include <string>

template <typename Edit> class EditBoxFixture : public uitest::UiTest {
protected:
    TForm* form = nullptr;
    Edit* edit = nullptr;

    // The form and the box at (10, 10), `width` wide, focused.
    void makeBox(int width)
    {
        form = makeForm();
        edit = new Edit(form);
        edit->SetBounds(10, 10, width, 21);
        edit->SetParent(form);
        form->Show();
        pump();
        edit->SetFocus();
        pump();
    }
    void type(const std::string& text)
    {
        backend().typeText(text);
        pump();
    }
    void key(int vk, int modifier = 0)
    {
        if (modifier)
            pressWith(modifier, vk);
        else
            backend().pressKey(vk);
        pump();
    }
};
