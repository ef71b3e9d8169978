// Word-range housekeeping on bytes: every word is moved with memmove/memcpy in the order the
// routine promises, so overlapping shifts behave exactly as the callers expect.
#include "sysutl/word_ops.h"

#include <cstring>
#include <stdexcept>
#include <string>
#include <utility>

namespace brevant {

namespace {

constexpr std::size_t kWord = 4;

void require_words(std::size_t bytes, std::size_t words, const char* who) {
    if (words > bytes / kWord)
        throw std::out_of_range(std::string(who) + ": " + std::to_string(words) + " words reach past a run of " +
                                std::to_string(bytes) + " bytes");
}

// Word w (0-based) of the source to word w of the destination; the two may overlap.
void move_word(ConstWordBytes from, WordBytes to, std::size_t w) {
    std::memmove(to.data() + w * kWord, from.data() + w * kWord, kWord);
}

// Words 1 to N, ascending.
void move_up(Int N, ConstWordBytes from, WordBytes to, const char* who) {
    if (N <= 0) return;
    const auto n = static_cast<std::size_t>(N);
    require_words(from.size(), n, who);
    require_words(to.size(), n, who);
    for (std::size_t i = 0; i < n; ++i) move_word(from, to, i);
}

// Elements of `width` words, elements N down to 1, the words of one element ascending.
void move_down(Int N, ConstWordBytes from, WordBytes to, std::size_t width, const char* who) {
    if (N <= 0) return;
    const std::size_t words = static_cast<std::size_t>(N) * width;
    require_words(from.size(), words, who);
    require_words(to.size(), words, who);
    for (std::size_t e = static_cast<std::size_t>(N); e-- > 0;)
        for (std::size_t k = 0; k < width; ++k) move_word(from, to, e * width + k);
}

void clear_word(WordBytes array, std::size_t index0) { std::memset(array.data() + index0 * kWord, 0, kWord); }

void require_range(Int start, Int end, Int extent, const char* who) {
    if (end < start) return;
    if (start < 1 || end > extent)
        throw std::out_of_range(std::string(who) + ": range " + std::to_string(start) + ".." + std::to_string(end) +
                                " outside 1.." + std::to_string(extent));
}

}  // namespace

void MOVCOM(Int N, ConstWordBytes IFROM, WordBytes ITO) { move_up(N, IFROM, ITO, "MOVCOM"); }

void MOVUP(Int N, ConstWordBytes IFROM, WordBytes ITO) { move_up(N, IFROM, ITO, "MOVUP"); }

void MOVDWN(Int N, ConstWordBytes IFROM, WordBytes ITO) { move_down(N, IFROM, ITO, 1, "MOVDWN"); }
void MOVDWN2(Int N, ConstWordBytes IFROM, WordBytes ITO) { move_down(N, IFROM, ITO, 2, "MOVDWN2"); }
void MOVDWN3(Int N, ConstWordBytes IFROM, WordBytes ITO) { move_down(N, IFROM, ITO, 3, "MOVDWN3"); }

void MOVREL(Int N, std::span<const Real> RFROM, std::span<Real> RTO) {
    MOVCOM(N, std::as_bytes(RFROM), std::as_writable_bytes(RTO));
}

void MOVDP(Int N, std::span<const double> DPFROM, std::span<double> DPTO) {
    if (N <= 0) return;
    const auto n = static_cast<std::size_t>(N);
    if (n > DPFROM.size() || n > DPTO.size()) throw std::out_of_range("MOVDP: count beyond the arrays");
    for (std::size_t i = 0; i < n; ++i) std::memmove(&DPTO[i], &DPFROM[i], sizeof(double));
}

void FILLUP(std::span<Int> NARRAY, std::span<Real> RARRAY, Int IFLAG, Int NTOGO) {
    if (NTOGO <= 0) return;
    const auto n = static_cast<std::size_t>(NTOGO);
    if (n > NARRAY.size() || n > RARRAY.size()) throw std::out_of_range("FILLUP: count beyond the arrays");
    for (std::size_t i = 0; i < n; ++i) {
        if (IFLAG > 0)
            RARRAY[i] = static_cast<Real>(NARRAY[i]);
        else
            NARRAY[i] = clamp_to_int(static_cast<double>(RARRAY[i]));
    }
}

void SWPCOM(Int N, WordBytes ISRC, WordBytes IDEST) {
    if (N <= 0) return;
    const auto n = static_cast<std::size_t>(N);
    require_words(ISRC.size(), n, "SWPCOM");
    require_words(IDEST.size(), n, "SWPCOM");
    for (std::size_t i = 0; i < n; ++i) {
        std::byte tmp[kWord];
        std::memcpy(tmp, ISRC.data() + i * kWord, kWord);
        std::memmove(ISRC.data() + i * kWord, IDEST.data() + i * kWord, kWord);
        std::memcpy(IDEST.data() + i * kWord, tmp, kWord);
    }
}

void SWPVAL(Real& X1, Real& X2) { std::swap(X1, X2); }
void DSWPVAL(double& DX1, double& DX2) { std::swap(DX1, DX2); }
void CSWPVAL(Complex& CX1, Complex& CX2) { std::swap(CX1, CX2); }

void NOCHNG(Int& NOCHG, ConstWordBytes ARRAY1, ConstWordBytes ARRAY2, Int NTEST) {
    NOCHG = 1;
    if (NTEST <= 0) return;
    const auto n = static_cast<std::size_t>(NTEST);
    require_words(ARRAY1.size(), n, "NOCHNG");
    require_words(ARRAY2.size(), n, "NOCHNG");
    if (std::memcmp(ARRAY1.data(), ARRAY2.data(), n * kWord) != 0) NOCHG = 0;
}

void CLEAR_1D(WordBytes ARRAY, Int N1, Int N1_start, Int N1_end) {
    CLEAR_3D(ARRAY, N1, 1, 1, N1_start, N1_end, 1, 1, 1, 1);
}

void CLEAR_2D(WordBytes ARRAY, Int N1, Int N2, Int N1_start, Int N1_end, Int N2_start, Int N2_end) {
    CLEAR_3D(ARRAY, N1, N2, 1, N1_start, N1_end, N2_start, N2_end, 1, 1);
}

void CLEAR_3D(WordBytes ARRAY, Int N1, Int N2, Int N3, Int N1_start, Int N1_end, Int N2_start, Int N2_end,
              Int N3_start, Int N3_end) {
    if (N1_end < N1_start || N2_end < N2_start || N3_end < N3_start) return;
    require_range(N1_start, N1_end, N1, "CLEAR");
    require_range(N2_start, N2_end, N2, "CLEAR");
    require_range(N3_start, N3_end, N3, "CLEAR");
    require_words(ARRAY.size(),
                  static_cast<std::size_t>(N1) * static_cast<std::size_t>(N2) * static_cast<std::size_t>(N3),
                  "CLEAR");
    const auto n1 = static_cast<std::size_t>(N1);
    const auto n2 = static_cast<std::size_t>(N2);
    for (Int k = N3_start; k <= N3_end; ++k)
        for (Int j = N2_start; j <= N2_end; ++j)
            for (Int i = N1_start; i <= N1_end; ++i)
                clear_word(ARRAY, static_cast<std::size_t>(i - 1) +
                                      n1 * (static_cast<std::size_t>(j - 1) + n2 * static_cast<std::size_t>(k - 1)));
}

void MAXCHK(Int& N, Int MAX) {
    if (N > MAX) N = MAX;
    if (N < 0) N = 0;
}

void POSCHK(Int& N, Int MAX) {
    if (N > MAX) N = MAX;
    if (N <= 0) N = 1;
}

void VRCVRT(Int IVERSN, Real& VERNO) { std::memcpy(&VERNO, &IVERSN, sizeof VERNO); }

}  // namespace brevant
