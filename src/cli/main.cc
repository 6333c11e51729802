#include <cstdio>

int main() {
  std::fprintf(stderr, "quorvex-cli: no commands yet\n");
  return 2;
}
