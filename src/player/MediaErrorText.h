#pragma once

#include <QString>

// The sentence for an error number of the media control that the user cannot mend by
// choosing another file (30000 plus the device error number); numbers without a
// sentence of their own read "Unknown error (n).".
QString MediaErrorText(int errorNumber);
