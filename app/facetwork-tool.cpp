// facetwork-tool: command-line access to Facetwork models.
#include <iostream>

int main(int argc, char** argv) {
    (void)argv;
    if (argc < 2) {
        std::cerr << "usage: facetwork-tool COMMAND ...\n";
        return 2;
    }
    return 2;
}
