#include "cli/cli.h"

int main(int argc, char** argv) { return lst::cli::Hauptprogramm(argc, argv); }
