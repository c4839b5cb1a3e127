// Compiles the layout checks of the C records with the build's C++ compiler.
#include "capi/RecordLayout.h"
