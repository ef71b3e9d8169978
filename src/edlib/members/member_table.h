// The member table of a hull built of members: its codes and helpers now live with the data image in
// records/member_words.h, below the hull models that read them too; the editor keeps this name.
#pragma once

#include "records/member_words.h"
