#pragma once
// The About window: who wrote the program, that it is free to use, and the author's e-mail and
// web addresses as links that the system shell opens.
#include "framework/Form.h"
#include "framework/StdCtrls.h"

#include <windows.h>

#include <shellapi.h>

namespace velkaro {

class Tfr_hakkinda : public TForm {
public:
    Tfr_hakkinda();

    TPanel Panel1;
    TLabel Label1;
    TLabel Label2;
    TLabel Label3;
    TLabel Label4;
    TLabel Label5;
    TLabel Label6;
    TLabel Label7;
    TBitBtn BitBtn1;

    void Label6Click(TObject* sender);
    void Label7Click(TObject* sender);
    void BitBtn1Click(TObject* sender);
    void Label6MouseEnter(TObject* sender);
    void Label6MouseLeave(TObject* sender);

protected:
    void CreateParams(TCreateParams& params) override;
};

// The About window while it is shown.
extern Tfr_hakkinda* fr_hakkinda;

// The shell call of the link labels; tests put a recorder in its place.
extern decltype(&ShellExecuteW) HakkindaShellExecute;

} // namespace velkaro
