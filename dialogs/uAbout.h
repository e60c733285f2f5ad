#pragma once
// TfrmAbout: the product title, the makers' notice, and two links (the
// user guide and the support address). The caller shows it modally and
// frees it; OK, Enter and the frame's close button close it.

#include "dialogs/ControlKinds.h"

#include "ui/forms/Form.h"

class TBevel;

class TfrmAbout : public TForm {
public:
    explicit TfrmAbout(TComponent* owner);

    void Label3Click(TObject* sender);
    void Label5Click(TObject* sender);

    brio::LabelKind* SeSkinLabel1 = nullptr;
    TBevel* Bevel1 = nullptr;
    TLabel* Label1 = nullptr;
    TLabel* Label2 = nullptr;
    TLabel* Label4 = nullptr;
    TLabel* Label5 = nullptr;
    TLabel* Label3 = nullptr;
    brio::ButtonKind* SeSkinButton1 = nullptr;
    TSeSkinForm* SeSkinForm1 = nullptr;
};

namespace brio {

inline constexpr const char* SupportAddress = "support@clatterbox.example";
// What the about box's web link opens: the user guide shipped with the program.
std::string AboutWebAddress();

} // namespace brio
