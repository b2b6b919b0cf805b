#include "ViewTest.h"

CORVANE_REGISTER_CLASS(RecordingHandler)
