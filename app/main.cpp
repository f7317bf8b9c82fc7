#include "app/windows/kivaltomain.h"

int main(int argc, char** argv) { return kivalto::runKivalto(argc, argv); }
