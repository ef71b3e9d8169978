// Caption tables. An English unit index plus the metric flag picks the neighbouring metric row.
#include "sysutl/captions.h"

#include <array>
#include <string_view>

namespace brevant {

namespace {

template <std::size_t N>
std::string pick(const std::array<std::string_view, N>& table, Int first, Int index, std::string_view otherwise,
                 std::size_t length) {
    if (index >= first && index < first + static_cast<Int>(N))
        return fixed_len(table[static_cast<std::size_t>(index - first)], length);
    return fixed_len(otherwise, length);
}

constexpr std::array<std::string_view, 21> kUnitp = {
    " kips",           " metric tons",     " degrees",   " inches",      " millimeters", " lbs/foot",
    " kgw/meter",      " feet",            " meters",    " feet/feet",   " meters/meters",
    " lbs/cubic foot", " kgw/cubic meter", " knots",     " feet/sec",    " meters/sec",
    " seconds",        " height: ",        " slope: ",   "k.lbs",        "m.ton",
};

constexpr std::array<std::string_view, 23> kUnits = {
    "k.lbs",          "m.ton",           "degrees",   "in",        "mm",         "lbs/ft",
    "kgw/m.",         "ft",              "m.",        "feet/feet", "meters/meters",
    "lbs/cubic foot", "kgw/cubic meter", "knots",     "feet/sec",  "meters/sec",
    "seconds",        "height",          "slope",     "foot-kips", "ton-meters",
    "ft-kp",          "ton-m",
};

constexpr std::array<std::string_view, 12> kCapun = {
    "FEET", "METERS", "FT", "M.", "K.LBS", "M.TONS", "LBS", "KGW", "FT", "DEG", "SLOPE", "HEIGHT",
};

constexpr std::array<std::string_view, 11> kWavprt = {
    " Velmora swell spectrum", " Pierson-Moskowitz",       " Mean JONSWAP",           " Sharp JONSWAP",
    " Squat JONSWAP",          " General JONSWAP",         " Bretschneider",          " WAVSPEC.txt input file",
    " Legacy custom spectrum", " Ochi-Hubble",             " TMA Shallow Water",
};

constexpr std::array<std::string_view, 6> kWndprt = {
    " Davenport", " Legacy point spectrum", " Steady wind", " A.P.I.", " N.P.D.", " WINDSPEC.txt input file",
};

constexpr std::array<std::string_view, 4> kCurprt = {
    " Steady current", " Legacy point spectrum", " CRNTSPEC.txt input file", " Band-limited white spectrum",
};

constexpr std::array<std::string_view, 6> kDof = {"SURGE", "SWAY", "HEAVE", "ROLL", "PITCH", "YAW"};

constexpr std::string_view kIndexError = " Index error";
constexpr std::string_view kError = "ERROR !";

}  // namespace

Int unit_caption_index(Int FIRST, Int NUNTS) { return NUNTS == 0 || NUNTS == 1 ? FIRST + NUNTS : -1; }

std::string unit_caption_as_flagged(Int FIRST, Int NUNTS) {
    return UNITP(NUNTS >= -100 && NUNTS <= 100 ? FIRST + NUNTS : -1);
}

std::string UNITP(Int NUNTS) { return pick(kUnitp, 0, NUNTS, kIndexError, 16); }
std::string UNITS(Int NUNTS) { return pick(kUnits, 0, NUNTS, "", 16); }
std::string CAPUN(Int IUNTS) { return pick(kCapun, 0, IUNTS, kError, 8); }
std::string WAVPRT(Int WAVTYP) { return pick(kWavprt, 0, WAVTYP, kIndexError, 30); }
std::string sea_spectrum_caption(Int WAVTYP, Int& LENWAV) {
    static constexpr std::array<std::string_view, 11> kCaptions = {
        "Velmora Default Swell", "Standard Pierson-Moskowitz", "Mean JONSWAP", "Sharp JONSWAP",
        "Squat JONSWAP",         "General JONSWAP",            "Bretschneider", "WAVSPEC.txt input file",
        "Legacy User Spectrum",  "Ochi-Hubble",                "TMA Shallow Water"};
    const std::string_view text =
        WAVTYP >= 0 && WAVTYP <= 10 ? kCaptions[static_cast<std::size_t>(WAVTYP)] : std::string_view("Missing!");
    LENWAV = static_cast<Int>(text.size());
    return fixed_len(text, 30);
}

std::string WNDPRT(Int WNDTYP) { return pick(kWndprt, 1, WNDTYP, kIndexError, 30); }
std::string CURPRT(Int CURTYP) { return pick(kCurprt, 1, CURTYP, kIndexError, 30); }
std::string DOF(Int IDOF) { return pick(kDof, 1, IDOF, kError, 8); }

const std::array<ModelCaption, 5>& TNKWND() {
    static const std::array<ModelCaption, 5> list{
        ModelCaption("User-Specified LOWDAT"), ModelCaption("User-Specified WINDCOFS.txt"),
        ModelCaption("Barge (Velmora)"), ModelCaption("OCIMF Tanker '77 (extended)"),
        ModelCaption("Cylindrical Vessel")};
    return list;
}

const std::array<ModelCaption, 7>& TNKCUR() {
    static const std::array<ModelCaption, 7> list{
        ModelCaption("User-Specified LOWDAT"), ModelCaption("User-Specified CRNTCOFS.txt"),
        ModelCaption("Barge (Velmora)"),       ModelCaption("NSMB Tanker '91"),
        ModelCaption("Extreme Cylindrical Bow '91"), ModelCaption("OCIMF Tanker '77"),
        ModelCaption("Cylindrical Vessel")};
    return list;
}

const std::array<ModelCaption, 7>& TNKWAV() {
    static const std::array<ModelCaption, 7> list{
        ModelCaption("User-Specified DRFTCOFS.txt"), ModelCaption("Tanker (Legacy)"),
        ModelCaption("Semi (Legacy)"),               ModelCaption("Buoy or round ship"),
        ModelCaption("Caisson Spar"),                ModelCaption("Tanker (2001)"),
        ModelCaption("Semi/TLP (2001)")};
    return list;
}

}  // namespace brevant
