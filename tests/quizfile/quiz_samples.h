#pragma once

#include "core/content.h"

// Quizzes generated from quiz files by the build, as a quiz program gets them.
const Content &capitalsContent(); // examples/capitals/capitals.toml: 12 pairs, 3 extra meanings
const Content &fortyContent();    // forty/forty.toml: 40 pairs from a table, 5 extra meanings
