#pragma once
// The calculator window.
#include "framework/Form.h"

namespace velkaro {

class Tfr_velkaro : public TForm {
public:
    Tfr_velkaro();

protected:
    void CreateParams(TCreateParams& params) override;
};

extern Tfr_velkaro* fr_velkaro;

} // namespace velkaro
