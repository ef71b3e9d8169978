// Bringing data files of older versions up to the current layout.
#pragma once

#include "sysutl/ftypes.h"

namespace brevant {

// True while the loaded image of this program stands in the 49-line layout: a file written before
// 6.01, or one marked with that layout's identity (DAT_ID 49). The updater resizes exactly these.
bool in_49_line_layout();

// The room of the 4.9 resize in an image of the 49-line layout written before 4.9, which held 40
// regular-wave periods and densities and lacked the drag and drift blocks of both vessels: each
// table grows to 100 entries and each block opens 200 words, all of them zero. The updater's
// defaults then set the block's last words by name, so the zeros can only be seen here.
void open_version_5_room();

// Updates the loaded image from its version (VERNO) to the layout of the running version APPVR,
// with notes on the console unit and in the load report (unit 21). ISRVFG is 1 when a version step
// worth a note ran, 0 when none did. An image of the 49-line layout is brought to the current one
// first, so that every step acts on the words it names; the caller puts the file's own words
// 700-703 back before (they are other names in that layout). With `layout_already_current` the
// caller has resized the image itself (an import): the steps still count and note the resize but
// move nothing.
// With `notes` ScreenOnly the notes go to the screen alone, whatever the image's editor words hold:
// the image is then another file brought up to date for an import, not the session's load.
enum class UpdateNotes { SessionAndReport, ScreenOnly };
void BRVUPD(Real APPVR, Int& ISRVFG, bool layout_already_current = false,
            UpdateNotes notes = UpdateNotes::SessionAndReport);

}  // namespace brevant
