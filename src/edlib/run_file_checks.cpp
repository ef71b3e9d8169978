// The pre-run checks of the user files a run will read.
#include "edlib/run_file_checks.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#include "edlib/run_choice_checks.h"
#include "lowlib/current_profile.h"
#include "lowlib/drift_forces.h"
#include "lowlib/speed_spectra.h"
#include "lowlib/user_drift_table.h"
#include "lowlib/wind_current_coefficients.h"
#include "options/output_selection.h"
#include "sysutl/option_words.h"
#include "sysutl/units.h"
#include "sysutl/user_table.h"
#include "veslib/user_raos.h"
#include "veslib/user_wave_spectrum.h"

namespace brevant {

namespace {

bool bit_on(const Tpcm& t, Int bit) { return BITVAL(t.BRVFLG, bit, t.EDUNIT) == 1; }
bool waves(const Tpcm& t) { return t.LRANDM != 0 || t.LSWELL != 0; }

// A file the run can open for reading: a regular file (or a link to one) that opens.
bool readable(const std::string& name) {
    std::error_code ec;
    if (std::filesystem::is_directory(name, ec)) return false;
    std::ifstream in(name, std::ios::binary);
    return in.is_open();
}

// " ++> Fatal Warning: The file "NAME" of the CHOOSER (page PAGE, item ITEM)" (or a warning).
std::string file_head(std::string_view head, const std::string& name, std::string_view chooser, Int page, Int item) {
    return std::string(head) + "The file \"" + name + "\" of the " + std::string(chooser) + " (page " +
           std::to_string(page) + ", item " + std::to_string(item) + ")";
}

// The name of a user coefficient file as the load models form it: the vessel of a two-vessel
// program has a file of its own.
std::string coefficient_file(const Tpcm& t, bool wind) {
    return (wind ? wind_coefficient_file(t.SIMTYP, t.ISPM) : current_coefficient_file(t.SIMTYP, t.ISPM)).trimmed();
}

// The first field (1 Cx .. 3 Cz) of a model word that chose MODEL, 0 when none did.
Int field_choosing(const Tpcm& t, Int Tpcm::*word, Int model) {
    for (Int k = 1; k <= 3; ++k)
        if (NIBVAL(t.*word, k, t.EDUNIT) == model) return k;
    return 0;
}

// The user RAO table is read by the wave-frequency responses of a wave system that is on, which
// the drift and drag tables by attack angle and the net loads ask for.
bool user_raos_read(const Tpcm& t) {
    if (t.AUXVSH == 0 || !waves(t)) return false;
    for (const Int bit : {kBitReflectionCoefficients, kBitAbsorptionCoefficients, kBitReflectionDistribution,
                          kBitAbsorptionDistribution, kBitReflectionMeanForces, kBitAbsorptionMeanForces,
                          kBitReflectionSpectraByAngle, kBitAbsorptionSpectraByAngle, kBitNetLoadTables,
                          kBitNetSpectralTables})
        if (bit_on(t, bit)) return true;
    return false;
}

using Reader = TableOutcome (*)(std::string_view name, Int IOOUT);

void user_file_findings(const Tpcm& t, std::vector<RunFileFinding>& found) {
    // Each file read whole by the reader the run uses; what keeps it from being read is the finding.
    const auto check = [&found, &t](const std::string& name, Reader read, std::string_view chooser, Int page,
                                    Int item) {
        const TableOutcome outcome = read(name, t.EDUNIT);
        if (!outcome.ok())
            found.push_back({true, {file_head(kFatalFindingHead, name, chooser, page, item), table_fault_text(outcome)}});
    };

    // Page 6: the coefficient files of wind and current (model 2) and the drift file (model 1).
    if (wind_model_used(t))
        if (const Int k = field_choosing(t, &Tpcm::LWBARG, 2); k != 0)
            check(coefficient_file(t, true), read_user_coefficient_file, "wind force model", 6,
                  load_model_item(t, &Tpcm::LWBARG, k));
    if (current_model_used(t))
        if (const Int k = field_choosing(t, &Tpcm::LCBARG, 2); k != 0)
            check(coefficient_file(t, false), read_user_coefficient_file, "current force model", 6,
                  load_model_item(t, &Tpcm::LCBARG, k));
    if (drift_model_used(t))
        if (const Int k = field_choosing(t, &Tpcm::LWVCOF, 1); k != 0) {
            const Int item = load_model_item(t, &Tpcm::LWVCOF, k);
            // The regular-wave tables (Ia, IIa) read "DRFTCOFS.txt"; the forces of the sea and the
            // swell read the vessel's own file.
            const std::string own = drift_file_name(t.SIMTYP, t.ISPM).trimmed();
            const bool tables = bit_on(t, kBitReflectionCoefficients) ||
                                (waves(t) && bit_on(t, kBitReflectionDistribution));
            const bool forces = waves(t) && drift_forces_reported(t);
            if (tables) check("DRFTCOFS.txt", read_drift_file, "wave force model", 6, item);
            if (forces && !(tables && own == "DRFTCOFS.txt")) check(own, read_drift_file, "wave force model", 6, item);
        }

    // The spectra and the current profile read from files.
    const bool speed_spectra = speed_spectra_reported(t);
    if (t.LWIND != 0 && speed_spectra && t.WNDTYP == 6)
        check("WINDSPEC.txt", read_speed_spectrum_file, "wind spectral type", 9, 3);
    if (t.LCURNT != 0 && t.LCSTCR == 3)
        check("CRNTPROF.txt", read_current_profile_file, "current variation with depth", 10, 3);
    if (t.LCURNT != 0 && speed_spectra && t.CURTYP == 2)
        check("CRNTSPEC.txt", read_speed_spectrum_file, "current spectral type", 10, 6);
    if (t.LRANDM != 0 && t.WAVTYP == 7) check("WAVSPEC.txt", read_wave_spectrum_file, "wave type", 12, 2);
    if (t.LSWELL != 0 && t.SWLTYP == 7) check("WAVSPEC.txt", read_wave_spectrum_file, "swell type", 13, 2);

    // Page 3: the user RAO table. Without it the run goes on with unit RAOs after a warning and a
    // question, which a silent run cannot answer: it stops there.
    if (user_raos_read(t)) {
        FixedText<13> name;
        USRDATSEL(t.SIMTYP, t.ISPM, name);
        if (!readable(name.trimmed())) {
            const bool silent = t.EDUNIT == SILENT_UNIT;
            const std::string_view chooser = "user-supplied vessel RAO data";
            if (silent)
                found.push_back({true,
                                 {file_head(kFatalFindingHead, name.trimmed(), chooser, 3, 13),
                                  "     is missing or cannot be read; a silent run would stop on it."}});
            else
                found.push_back({false,
                                 {file_head(" ++> Warning: ", name.trimmed(), chooser, 3, 13),
                                  "     is missing or cannot be read; the run will use unit RAOs."}});
        }
    }
}

}  // namespace

std::vector<RunFileFinding> run_file_findings() {
    std::vector<RunFileFinding> found;
    user_file_findings(TPCM, found);
    return found;
}

}  // namespace brevant
