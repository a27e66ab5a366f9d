// veltrano-demo OUT.vq3 [DAYS]: writes the wall-corner demonstration file.
#include "tools/demo/WallCornerModel.h"

#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: %s OUT.vq3 [DAYS]\n", argv[0]);
    return 2;
  }
  demo::WallCornerOptions options;
  if (argc == 3) {
    const int days = std::atoi(argv[2]);
    if (days < 1 || days > 3650) {
      std::fprintf(stderr, "DAYS must be 1 to 3650\n");
      return 2;
    }
    options.days = days;
  }
  try {
    const resultwriter::ResultFileSpec spec = demo::SimulateWallCorner(options);
    resultwriter::writeFile(spec, QString::fromLocal8Bit(argv[1]));
    std::printf("wrote %s: %d x %d grid, %zu steps\n", argv[1], spec.nx(), spec.ny(),
                spec.steps.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
