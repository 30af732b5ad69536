// zarvoline-artwork: draws every bitmap of the editor and writes it as
// <directory>/<number>.png; with --preview, also writes pictures of the
// composed window and a contact sheet into a second directory.
//
//   zarvoline-artwork <bitmap directory> [--preview <directory>]

#include "resources/artwork/ArtContext.h"
#include "resources/artwork/BitmapRenderer.h"
#include "resources/artwork/Preview.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <exception>
#include <string>

namespace {

int run(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--preview")) {
        std::fprintf(stderr, "usage: %s <bitmap directory> [--preview <directory>]\n", argv[0]);
        return 2;
    }
    const artwork::ArtContext context;
    artwork::writeAllBitmaps(context, argv[1]);
    if (argc == 4) artwork::writePreviews(context, argv[3]);
    return 0;
}

int runReportingErrors(int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "zarvoline-artwork: %s\n", error.what());
        return 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int status = runReportingErrors(argc, argv);
    // Hand back the caches of cairo and fontconfig, so that leak checkers see
    // a clean exit.
    cairo_debug_reset_static_data();
    FcFini();
    return status;
}
