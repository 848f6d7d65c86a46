#include <cstring>
#include <iostream>

#include "tools/sim/sim.h"

int main(int argc, char** argv) {
  if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::cout << velkor::sim::helpText();
    return 0;
  }
  return velkor::sim::runScript(std::cin, std::cout, std::cerr);
}
