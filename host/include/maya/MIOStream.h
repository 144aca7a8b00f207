#pragma once

// The standard streams, brought into the global namespace as the host's
// headers have always done for plug-in code.
#include <iostream>

using std::cerr;
using std::cin;
using std::clog;
using std::cout;
using std::endl;
using std::flush;
using std::ios;
using std::iostream;
using std::istream;
using std::ostream;
using std::streampos;
using std::ws;
