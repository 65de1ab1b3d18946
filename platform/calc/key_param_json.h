// The pier's key parameters in their JSON form (docs/key-parameters.md): reading from text or a file, writing.
#pragma once

#include "calc/pm001_key_param.h"

#include <cstddef>
#include <string>
#include <string_view>

// The longest key-parameter text read: a key-parameter file, as a project file, holds at most
// 16 MiB, and a text stored with a component is refused past it before it is parsed.
inline constexpr std::size_t kMaxKeyParamTextBytes = std::size_t{16} << 20;

// Reads the JSON text of a key-parameter object. Strict: text that is not JSON (any byte after the
// object but blanks included), objects and lists nested more than 64 deep, an unknown key, a value
// of the wrong type, a missing required key or key parameters that contradict themselves are
// errors. root names the object in messages: with "keyParameters" an error reads
// "keyParameters.cap.FrameAr[1].GJJ[0][2].dx: expected a number". On success replaces keyParam and
// returns true; otherwise leaves keyParam as it was, sets error and returns false.
// With unheld given, a set whose only fault is a list or a value outside its bound (a list longer
// than any cap holds, a value no cap can be built with) is read all the same: keyParam is replaced,
// the message of its first such fault goes to *unheld (otherwise "") and the result is true.
bool ReadKeyParamJson(std::string_view text, const std::string& root, CPM001KeyParam& keyParam, std::string& error,
                      std::string* unheld = nullptr);

// Reads a key-parameter file (the JSON text of a key-parameter object, at most 16 MiB). Only a
// regular file is read: a FIFO or a device is refused at once ("not a regular file"), never waited
// on, and a file that grows past 16 MiB while it is read is refused ("larger than 16 MiB"). A
// missing file is "no such file"; any other reason it cannot be opened or read is the system's
// ("cannot be read: Permission denied"). Messages begin with "key-parameter file <path>: ".
// Results as ReadKeyParamJson.
bool ReadKeyParamFile(const std::string& path, CPM001KeyParam& keyParam, std::string& error);

// The compact JSON text of keyParam with every key, in the documented order; reading it back gives
// keyParam again. Fails (false, with error naming the key) when a real is not finite or a text is
// not UTF-8, since the JSON form cannot hold them.
bool WriteKeyParamJson(const CPM001KeyParam& keyParam, std::string& text, std::string& error);
