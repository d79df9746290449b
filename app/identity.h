// Who made the program and where to reach its maker: the texts of the About
// window and the addresses handed to the shell. The version resource in
// ui/resources.rc repeats the version and the author line.
#pragma once

inline constexpr char PROGRAM_VERSION_LINE[] = "version 1.62";
inline constexpr char AUTHOR_LINE[] = "Copyright (c) 2006-2007 Tomas Vedral";
inline constexpr char MAKER_WEB_PAGE[] = "http://www.tessel-sudoku.example/";
inline constexpr char MAKER_EMAIL[] = "tomas.vedral@tessel-sudoku.example";
inline constexpr char MAIL_SCHEME[] = "mailto:";
inline constexpr char DONATION_PAGE[] =
    "https://www.tessel-sudoku.example/donate?product=tessel-sudoku&lang=1"
    "&currency=USD,GBP,EUR&delivery=email";
