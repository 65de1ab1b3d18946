// Reading a project file: the sections of the document mapped onto the objects of a Project.
#include "project_file.h"

#include "project_input_fields.h"
#include "project_json_document.h"

#include "common/input_file.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <optional>
#include <vector>

using namespace project_json;

namespace {

constexpr double kPi = 3.141592653589793;

// The largest project file read: far more than any pier's input, and a bound on what a wrong
// file (a disk image, a log) can make the host read.
constexpr std::uint64_t kMaxProjectFileBytes = 16u << 20;

// The road values of the file, applied once the component's label is known (the pier
// assignment is keyed by it, and "component" may come after "road").
struct RoadValues {
    std::optional<CString> name;
    std::optional<CString> designTendonMaterial;
    std::optional<double> skewAngleDegrees;
};

const std::vector<Field<textstyle>>& TextStyleFields()
{
    static const std::vector<Field<textstyle>> fields = {
        PM001_FIELD(textstyle, fontName), PM001_FIELD(textstyle, mode)};
    return fields;
}

const std::vector<Field<layerLineType>>& LayerLineTypeFields()
{
    static const std::vector<Field<layerLineType>> fields = {
        PM001_FIELD(layerLineType, layerName), PM001_FIELD(layerLineType, lineType),
        PM001_FIELD(layerLineType, setting)};
    return fields;
}

// The project record's five texts, which head the calculation loads.
const std::vector<Field<CBridgeProject>>& ProjectRecordFields()
{
    using R = CBridgeProject;
    static const std::vector<Field<R>> fields = {
        Bind<R>("projectName", &R::m_strProjectName), Bind<R>("sectionName", &R::m_strSectionName),
        Bind<R>("designer", &R::m_strDesigner), Bind<R>("checker", &R::m_strChecker),
        Bind<R>("reviewer", &R::m_strReviewer)};
    return fields;
}

const std::vector<Field<CBridgeDrawingSetting>>& DrawingSettingFields()
{
    using S = CBridgeDrawingSetting;
    static const std::vector<Field<S>> fields = {
        {"textStyle", [](const Json& v, const std::string& p, S& s) { ReadFields(v, p, s.m_TextStyle, TextStyleFields()); }},
        {"layerLineType",
         [](const Json& v, const std::string& p, S& s) { ReadFields(v, p, s.m_LayerLineType, LayerLineTypeFields()); }}};
    return fields;
}

const std::vector<Field<CProjectManager>>& ProjectFields()
{
    using M = CProjectManager;
    static const std::vector<Field<M>> fields = {
        {"projectPath", [](const Json& v, const std::string& p, M& m) { m.SetProjectPath(ReadText(v, p)); }},
        {"projectName", [](const Json& v, const std::string& p, M& m) { m.SetProjectName(ReadText(v, p)); }},
        {"systemPath", [](const Json& v, const std::string& p, M& m) { m.SetSystemPath(ReadText(v, p)); }},
        {"testFlag", [](const Json& v, const std::string& p, M& m) { m.SetTestFlag(ReadInt(v, p)); }},
        {"record", [](const Json& v, const std::string& p, M& m) { ReadFields(v, p, *m.GetProject(), ProjectRecordFields()); }},
        {"drawingSetting",
         [](const Json& v, const std::string& p, M& m) { ReadFields(v, p, *m.GetDrawingSetting(), DrawingSettingFields()); }}};
    return fields;
}

const std::vector<Field<RoadValues>>& RoadFields()
{
    using R = RoadValues;
    static const std::vector<Field<R>> fields = {
        {"name", [](const Json& v, const std::string& p, R& r) { r.name = ReadText(v, p); }},
        {"designTendonMaterial", [](const Json& v, const std::string& p, R& r) { r.designTendonMaterial = ReadText(v, p); }},
        {"skewAngle", [](const Json& v, const std::string& p, R& r) {
             const double degrees = ReadReal(v, p);
             // At ±90° the pier would lie along the road: every value across it would be divided by cos 90° = 0.
             if (!(std::fabs(degrees) < 90.0))
                 throw ValueError(p, "expected an angle in degrees greater than -90 and less than 90");
             r.skewAngleDegrees = degrees;
         }}};
    return fields;
}

const std::vector<Field<Project>>& ComponentFields()
{
    using P = Project;
    static const std::vector<Field<P>> fields = {
        {"id", [](const Json& v, const std::string& p, P& j) { j.componentId = ReadUnsigned(v, p); }},
        {"label", [](const Json& v, const std::string& p, P& j) { j.label = ReadInt(v, p); }},
        {"name", [](const Json& v, const std::string& p, P& j) { j.name = ReadText(v, p); }}};
    return fields;
}

std::string ResolvePath(const std::string& file, const std::string& baseDir)
{
    const std::filesystem::path path(file);
    if (path.is_absolute() || baseDir.empty()) return path.lexically_normal().string();
    return (std::filesystem::path(baseDir) / path).lexically_normal().string();
}

void ReadDocument(const Json& root, Project& project, const std::string& baseDir)
{
    if (!root.is_object()) throw ValueError("top level", "expected an object holding the project's sections");

    RoadValues road;
    bool keyParametersGiven = false;
    bool keyParameterFileGiven = false;
    for (const auto& [key, value] : root.items()) {
        const std::string path = MemberPath("", key);
        if (key == "project") {
            ReadFields(value, path, project.projectManager, ProjectFields());
        } else if (key == "road") {
            ReadFields(value, path, road, RoadFields());
        } else if (key == "component") {
            ReadFields(value, path, project, ComponentFields());
        } else if (key == "pier") {
            ReadPierInput(value, path, project.input);
        } else if (key == "footing") {
            ReadFootingInput(value, path, project.input.m_Footing);
        } else if (key == "piles") {
            ReadPileInput(value, path, project.input.m_Pile);
        } else if (key == "pileCap") {
            ReadPileCapInput(value, path, project.input.m_PileCap);
        } else if (key == "loads") {
            ReadLoadInput(value, path, project.input);
        } else if (key == "drawing") {
            ReadDrawingInput(value, path, project.input);
        } else if (key == "keyParameters") {
            // Their fields belong to the calculation engine, which reads them; kept as written.
            RequireObject(value, path);
            project.keyParameters.inlineJson = value.dump();
            keyParametersGiven = true;
        } else if (key == "keyParameterFile") {
            const CString file = ReadText(value, path);
            if (file.IsEmpty()) throw ValueError(path, "expected the path of a key-parameter file, not an empty text");
            project.keyParameters.file = file.str();
            keyParameterFileGiven = true;
        } else {
            throw ValueError(path, "unknown key");
        }
    }
    if (keyParametersGiven && keyParameterFileGiven)
        throw ValueError("keyParameterFile", "the key parameters are already given by keyParameters; give one of the two");

    project.input.Name = project.name;
    if (road.name) project.road.SetName(*road.name);
    // Piers belong to structure group 1 of the road: their tendons are designed in its material.
    if (road.designTendonMaterial) project.road.GetRoadGeneral()->SetDesignTendonMaterialName(1, *road.designTendonMaterial);
    if (road.skewAngleDegrees)
        project.road.GetRoadPierSpanAssign()->SetPierSkewAngle(project.label, *road.skewAngleDegrees * kPi / 180.0);
    if (keyParameterFileGiven) {
        project.keyParameters.resolvedFile = ResolvePath(project.keyParameters.file, baseDir);
        project.projectManager.SetKeyParamFullPath(project.componentId, CString(project.keyParameters.resolvedFile));
    }
}

} // namespace

ProjectFileError::ProjectFileError(const std::string& source, const std::string& where, const std::string& detail)
    : ProjectFileError(source + ": " + (where.empty() ? detail : where + ": " + detail), where, detail, 0)
{
}

ProjectFileError::ProjectFileError(const std::string& line, const std::string& where, const std::string& detail, int)
    : std::runtime_error(line), m_where(where), m_detail(detail)
{
}

ProjectFileError ProjectFileError::NotRegular(const std::string& path)
{
    return ProjectFileError(NotRegularFileMessage(path), "", "not a regular file", 0);
}

std::unique_ptr<Project> ReadProjectText(std::string_view text, const std::string& sourceName, const std::string& baseDir)
{
    auto project = std::make_unique<Project>();
    project->keyParameters.projectFile = sourceName;
    try {
        ReadDocument(ParseDocument(text), *project, baseDir);
    } catch (const SyntaxError& e) {
        throw ProjectFileError(sourceName, "line " + std::to_string(e.line()) + ", column " + std::to_string(e.column()),
                               e.detail());
    } catch (const ValueError& e) {
        throw ProjectFileError(sourceName, e.path(), e.detail());
    }
    return project;
}

std::unique_ptr<Project> LoadProjectFile(const std::string& path)
{
    std::string text;
    const WholeFileRead read = ReadWholeFile(path, kMaxProjectFileBytes, text);
    // The system's reason follows, as loading a stored component gives it.
    switch (read.state) {
    case WholeFileRead::Read: break;
    case WholeFileRead::CannotOpen:
        throw ProjectFileError(path, "", std::string("cannot open the project file: ") + std::strerror(read.error));
    case WholeFileRead::NotRegular: throw ProjectFileError::NotRegular(path);
    case WholeFileRead::TooLarge: throw ProjectFileError(path, "", "larger than 16 MiB");
    case WholeFileRead::CannotRead:
        throw ProjectFileError(path, "", std::string("cannot read the project file: ") + std::strerror(read.error));
    }
    const std::string baseDir = std::filesystem::path(path).parent_path().string();
    return ReadProjectText(text, path, baseDir);
}
