// What ends the program when an exception escapes everything: a GUI program
// has no console on which the C++ runtime's default handler could print the
// exception's type, so the handler aborts at once, and the runtime's name
// demangler, which only that printing needs (about 40 KiB of the program
// file), is left out of the link.
#include <cstdlib>

namespace __gnu_cxx {

void __verbose_terminate_handler() {
  std::abort();
}

}  // namespace __gnu_cxx
