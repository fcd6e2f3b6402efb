// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) The bexalo developers

// write_sound_file ROW PATH: writes the file of the players' table named ROW (see
// fakes/WavFiles.h) to PATH, so that the browser tests serve the very bytes the unit tests use.
#include "fakes/WavFiles.h"

#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: write_sound_file ROW PATH\n");
        return 2;
    }
    for (const bexalo::test::BadSoundFile &f : bexalo::test::badSoundFiles()) {
        if (std::strcmp(f.name, argv[1]) == 0 && f.exists) {
            if (bexalo::test::writeFile(QString::fromLocal8Bit(argv[2]), f.content)) {
                return 0;
            }
            std::fprintf(stderr, "write_sound_file: cannot write %s\n", argv[2]);
            return 1;
        }
    }
    std::fprintf(stderr, "write_sound_file: no file \"%s\" in the table\n", argv[1]);
    return 2;
}
