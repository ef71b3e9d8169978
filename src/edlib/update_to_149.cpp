// Conversion of a data image of any simulation type from the 50-line layout (10 segments a line,
// 49 motion points) to the 150-line layout (25 segments, 149 points), by opening room and zeroing it.
#include "edlib/update_to_149.h"

#include <algorithm>
#include <cstddef>

#include "records/data_image.h"
#include "sysutl/word_ops.h"

namespace brevant {

namespace {

// The image from word `first` to its last word, as bytes.
WordBytes image_words_from(Int first) {
    return image_bytes(TPCM).subspan(4 * static_cast<std::size_t>(first - 1));
}

// Opens D words at word S: everything from S on moves D words towards the end, copied from the last
// word backwards; the last D words of the stored image are dropped, and no word at or beyond
// `bottom` is written (the tail of the block is cut there). Moving whole names (pairs of words) or
// coefficient triples gives the same words, since every opening is a whole number of them.
void open_words(Int S, Int D, Int SIZ_DAT, Int bottom) {
    const Int last_target = std::min({SIZ_DAT, bottom - 1, kTpcmWords});
    const Int count = last_target - (S + D) + 1;
    if (count <= 0) return;
    MOVDWN(count, image_words_from(S), image_words_from(S + D));
}

// Per-segment arrays (25 x 150, first F): ten old segments of each of 50 lines, then the new lines.
void open_segment_array(Int F, Int SIZ_DAT, Int bottom) {
    for (Int L = 1; L <= 50; ++L) open_words(F + 25 * (L - 1) + 10, 15, SIZ_DAT, bottom);
    open_words(F + 1250, 2500, SIZ_DAT, bottom);
}

// Segments 11-25 of every line, then every segment of lines 51-150.
template <class A>
void clear_segment_array(A& array) {
    CLEAR_2D(word_span(array), 25, 150, 11, 25, 1, 150);
    CLEAR_2D(word_span(array), 25, 150, 1, 25, 51, 150);
}

}  // namespace

void UPDATE_TO_149(Real /*DATVER*/, Int SIZ_DAT, Int /*Ntop*/, Int Nbottom) {
    // Top block, every type.
    open_words(500, 200, SIZ_DAT, Nbottom);
    open_words(804, 100, SIZ_DAT, Nbottom);
    open_words(1052, 300, SIZ_DAT, Nbottom);
    open_words(1987, 1, SIZ_DAT, Nbottom);
    CLEAR_1D(image_words_from(498).first(4 * 202), 202, 3, 202);  // words 500-699
    CLEAR_1D(word_span(TPCM.ITPCM6), 104, 5, 104);
    CLEAR_2D(word_span(TPCM.RACC), 3, 149, 1, 3, 50, 149);

    const Int CREATR = TPCM.CREATR();
    if (CREATR == 1 || CREATR == 4 || CREATR == 11) return;

    // Second vessel.
    open_words(2038, 100, SIZ_DAT, Nbottom);
    open_words(2286, 300, SIZ_DAT, Nbottom);
    CLEAR_1D(word_span(TPCM.BTPCM6), 104, 5, 104);
    CLEAR_2D(word_span(TPCM.BRACC), 3, 149, 1, 3, 50, 149);

    if (CREATR == 3 || CREATR == 16) return;

    // Mooring sub-block: every move first, each on the image the one before left.
    open_words(5027, 100, SIZ_DAT, Nbottom);   // IDUM0(10..109)
    open_words(5177, 100, SIZ_DAT, Nbottom);   // STRESS_STRAIN_FILE(51..150)
    open_words(5327, 100, SIZ_DAT, Nbottom);   // ANCTYP(51..150)
    for (Int L = 1; L <= 50; ++L) open_words(5427 + 151 * (L - 1) + 51, 100, SIZ_DAT, Nbottom);
    open_words(12977, 15100, SIZ_DAT, Nbottom);  // LINTYP lines 51-150
    open_words(28127, 100, SIZ_DAT, Nbottom);  // NLINE(51..150)
    open_words(28279, 100, SIZ_DAT, Nbottom);  // NELEM(51..150)
    open_words(28434, 100, SIZ_DAT, Nbottom);  // IDYNEV(51..150)
    for (Int L = 1; L <= 50; ++L) open_words(28582 + 50 * (L - 1) + 20, 30, SIZ_DAT, Nbottom);
    open_words(31082, 5000, SIZ_DAT, Nbottom);  // SCOMP lines 51-150
    open_segment_array(36082, SIZ_DAT, Nbottom);  // SLEN
    open_segment_array(39832, SIZ_DAT, Nbottom);  // DIAM
    open_segment_array(43582, SIZ_DAT, Nbottom);  // WETWT
    for (Int L = 1; L <= 50; ++L) open_words(47332 + 75 * (L - 1) + 30, 45, SIZ_DAT, Nbottom);
    open_words(51082, 7500, SIZ_DAT, Nbottom);  // ALPHA lines 51-150
    open_segment_array(58582, SIZ_DAT, Nbottom);  // TBRK
    open_words(62382, 100, SIZ_DAT, Nbottom);  // HTENS(51..150)
    open_words(62632, 300, SIZ_DAT, Nbottom);  // RFLD points 51-150
    open_segment_array(62932, SIZ_DAT, Nbottom);  // COFMST
    open_segment_array(66682, SIZ_DAT, Nbottom);  // COFDMT
    open_segment_array(70432, SIZ_DAT, Nbottom);  // DRYWT
    open_segment_array(74182, SIZ_DAT, Nbottom);  // MOORDUMMY
    open_words(77982, 100, SIZ_DAT, Nbottom);  // ANGDEP(51..150)
    open_words(78132, 100, SIZ_DAT, Nbottom);  // ANCHGT(51..150)
    open_words(78286, 100, SIZ_DAT, Nbottom);  // BOTFRC(51..150)
    open_words(78434, 200, SIZ_DAT, Nbottom);  // DUMCOM(18..217); the end markers and what follows

    // Then the clears.
    CLEAR_1D(word_span(TPCM.IDUM0), 109, 10, 109);
    CLEAR_1D(word_span(TPCM.STRESS_STRAIN_FILE), 150, 51, 150);
    CLEAR_1D(word_span(TPCM.ANCTYP), 150, 51, 150);
    CLEAR_2D(word_span(TPCM.LINTYP), 151, 150, 52, 151, 1, 150);
    CLEAR_2D(word_span(TPCM.LINTYP), 151, 150, 1, 151, 51, 150);
    CLEAR_1D(word_span(TPCM.NLINE), 150, 51, 150);
    CLEAR_1D(word_span(TPCM.NELEM), 150, 51, 150);
    CLEAR_1D(word_span(TPCM.IDYNEV), 150, 51, 150);
    // Both words of each eight-character name.
    CLEAR_3D(word_span(TPCM.SCOMP), 2, 25, 150, 1, 2, 11, 25, 1, 150);
    CLEAR_3D(word_span(TPCM.SCOMP), 2, 25, 150, 1, 2, 1, 25, 51, 150);
    clear_segment_array(TPCM.SLEN);
    clear_segment_array(TPCM.DIAM);
    clear_segment_array(TPCM.WETWT);
    CLEAR_3D(word_span(TPCM.ALPHA), 3, 25, 150, 1, 3, 11, 25, 1, 150);
    CLEAR_3D(word_span(TPCM.ALPHA), 3, 25, 150, 1, 3, 1, 25, 51, 150);
    clear_segment_array(TPCM.TBRK);
    CLEAR_1D(word_span(TPCM.HTENS), 150, 51, 150);
    CLEAR_2D(word_span(TPCM.RFLD), 3, 150, 1, 3, 51, 150);
    clear_segment_array(TPCM.COFMST);
    clear_segment_array(TPCM.COFDMT);
    clear_segment_array(TPCM.DRYWT);
    clear_segment_array(TPCM.MOORDUMMY);
    CLEAR_1D(word_span(TPCM.ANGDEP), 150, 51, 150);
    CLEAR_1D(word_span(TPCM.ANCHGT), 150, 51, 150);
    CLEAR_1D(word_span(TPCM.BOTFRC), 150, 51, 150);
    CLEAR_1D(word_span(TPCM.DUMCOM), 217, 18, 217);
}

}  // namespace brevant
