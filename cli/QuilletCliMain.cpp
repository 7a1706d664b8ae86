// quillet-cli's entry point: wires standard input and output to the commands,
// which live in ql_cli so that the tests run them in-process.

#include "QuilletCli.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // Text mode would turn LF into CR LF on the way out and drop CRs and
    // stop at Ctrl-Z on the way in; the bytes must match the Linux tool's.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Unsynchronised streams move standard input and output in large blocks
    // instead of byte by byte through C stdio.
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunQuilletCli(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout)
    {
        std::cerr << "quillet-cli: cannot write to standard output\n";
        return 2;
    }
    return status;
}
