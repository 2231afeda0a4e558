// quillet-cli: the editor's operations for scripts and batch jobs.
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
    std::printf("Usage: quillet-cli COMMAND [OPTIONS] FILE\n");
    return argc < 2 ? 2 : 0;
  }
  std::fprintf(stderr, "quillet-cli: unknown command '%s' (see --help)\n", argv[1]);
  return 2;
}
