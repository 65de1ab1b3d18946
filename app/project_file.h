// Reading a project file (PROJECT.json, UTF-8) into a Project; one error type naming where it failed.
#pragma once

#include "project_data.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

// A project file that cannot be used. where() is the place in the file: a JSON path such as
// "pier.bBz" or "pier.bQf[1]", "line 3, column 7" for text that is not JSON, or empty when the
// file itself could not be read; detail() says what was expected. what() is the whole line:
// "<file>: <where>: <detail>".
class ProjectFileError : public std::runtime_error {
public:
    ProjectFileError(const std::string& source, const std::string& where, const std::string& detail);
    // A path that is not a regular file, refused with the line every input file of the host gives:
    // "\"<file>\" is not a regular file".
    static ProjectFileError NotRegular(const std::string& path);

    const std::string& where() const { return m_where; }
    const std::string& detail() const { return m_detail; }

private:
    ProjectFileError(const std::string& line, const std::string& where, const std::string& detail, int);

    std::string m_where;
    std::string m_detail;
};

// Reads the project file at path. Throws ProjectFileError when the file cannot be read, is not a
// regular file (a FIFO or device is refused at once, not waited on), is larger than 16 MiB, is not
// JSON, holds an unknown or repeated key, or a value of the wrong kind. A key that is not given
// keeps the default of the object it fills.
std::unique_ptr<Project> LoadProjectFile(const std::string& path);

// Reads project text. sourceName names the text in error messages; baseDir is the folder that a
// relative key-parameter file path is taken from (empty: the working folder).
std::unique_ptr<Project> ReadProjectText(std::string_view text, const std::string& sourceName,
                                         const std::string& baseDir);
