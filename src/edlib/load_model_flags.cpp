// Load-model flags of the packed model words.
#include "edlib/load_model_flags.h"

#include "sysutl/option_words.h"

namespace brevant {

namespace {

// Fields 1 to 3 of a model word.
struct Fields {
    Int f1, f2, f3;
    bool any(Int v) const { return f1 == v || f2 == v || f3 == v; }
};

Fields fields_of(Int word, Int IOSCRN) {
    return {NIBVAL(word, 1, IOSCRN), NIBVAL(word, 2, IOSCRN), NIBVAL(word, 3, IOSCRN)};
}

// Field 1 of the current word as it is compared: the NSMB "Mean" code stands for row 4.
Int current_field1(Int f1) { return f1 == kNsmbMeanCurrent ? 4 : f1; }

}  // namespace

void INITFM(const Int& LWBARG, Int& SWNFM, const Int& LCBARG, Int& SCRFM, const Int& LWVCOF, Int& SWVFM,
            Int IOSCRN) {
    const Fields wnd = fields_of(LWBARG, IOSCRN);
    SWNFM = (wnd.f1 == wnd.f2 && wnd.f1 == wnd.f3) ? 1 : 0;

    const Fields cur = fields_of(LCBARG, IOSCRN);
    const Int c1 = current_field1(cur.f1);
    SCRFM = (c1 == cur.f2 && c1 == cur.f3) ? 1 : 0;

    const Fields wav = fields_of(LWVCOF, IOSCRN);
    SWVFM = (wav.f1 == wav.f2 && wav.f1 == wav.f3) ? 1 : 0;
}

void TNKRID(Int& LWBARG, const Int& SWNFM, Int& WNDUSR, Int& LCBARG, const Int& SCRFM, Int& CURUSR, Int& LWVCOF,
            const Int& SWVFM, Int& WAVUSR, Int& LCTNKR, Int& LWTNKR, Int& LWNBRG, Int& LCRBRG, Int IOSCRN) {
    if (SWNFM == 1) {
        const Int f1 = NIBVAL(LWBARG, 1, IOSCRN);
        NIBSET(LWBARG, 2, f1, IOSCRN);
        NIBSET(LWBARG, 3, f1, IOSCRN);
    }
    const Fields wnd = fields_of(LWBARG, IOSCRN);
    WNDUSR = wnd.any(1) ? 1 : (wnd.any(2) ? 2 : 0);
    LWNBRG = (wnd.any(3) || wnd.any(5)) ? 1 : 0;

    // The barge test looks at the current word before its one-model copy, as the flags always have.
    const Fields cur0 = fields_of(LCBARG, IOSCRN);
    LCRBRG = (cur0.any(3) || cur0.any(7)) ? 1 : 0;

    if (SCRFM == 1) {
        const Int c1 = current_field1(NIBVAL(LCBARG, 1, IOSCRN));
        NIBSET(LCBARG, 2, c1, IOSCRN);
        NIBSET(LCBARG, 3, c1, IOSCRN);
    }
    const Fields cur = fields_of(LCBARG, IOSCRN);
    CURUSR = cur.any(1) ? 1 : (cur.any(2) ? 2 : 0);

    if (SWVFM == 1) {
        const Int f1 = NIBVAL(LWVCOF, 1, IOSCRN);
        NIBSET(LWVCOF, 2, f1, IOSCRN);
        NIBSET(LWVCOF, 3, f1, IOSCRN);
    }
    const Fields wav = fields_of(LWVCOF, IOSCRN);
    WAVUSR = wav.any(1) ? 1 : 0;

    LCTNKR = 0;
    if (cur.any(6)) LCTNKR = 1;
    if (cur.f1 == kNsmbMeanCurrent || cur.any(4)) LCTNKR = 2;

    LWTNKR = wnd.any(4) ? 1 : 0;
}

}  // namespace brevant
