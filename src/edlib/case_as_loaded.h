// What the editor sets in the case on its own (the settings a load forces, a page's drawing, the
// checks before a run) belongs to the case as loaded: it is no edit of the user's.
#pragma once

#include <functional>

namespace brevant {

// Whether the case is as loaded: the data image (its first NTOGOQ words) and the coefficient image
// equal the copies taken at load (or at the last save the session went on from), the editor's
// session words 700-703 aside.
bool case_is_as_loaded();

// Runs STEP, something the editor does to the case by itself. On a case that nobody has changed
// yet, the copies the end of the edit compares with take what STEP set: the step depends on the
// case alone, so that is what it would have made of the case as loaded, and leaving or saving
// finds nothing changed. On a case already changed the copies stay as they are, and what STEP set
// counts with the changes (a save keeps it).
void set_by_the_editor(const std::function<void()>& STEP);

}  // namespace brevant
