#include "forms/values.h"

namespace tf {

ProgramValues& values() {
  static ProgramValues v;
  return v;
}

void resetValues() { values() = ProgramValues{}; }

}  // namespace tf
