#pragma once
// Shared by the main program and the MSG converter: the converter runs only when
// started with this token as its first argument, so a stray double-click or a
// mistyped command line cannot overwrite a file.
//
// Call: <program folder>/quillora-msgconvert TOKEN EML_PATH MSG_PATH
// (working folder: the program folder; exit status 0 when the MSG was written).

namespace quillora {

inline constexpr char kMsgConverterToken[] = "kqw72mzr19xpt40hbv3c";
inline constexpr char kMsgConverterProgram[] = "quillora-msgconvert";

static_assert(sizeof(kMsgConverterToken) == 21, "the token is 20 characters");

}  // namespace quillora
