// The commands that open a project: show, build, check, export, record.
#include "CliContext.h"
#include "CliProject.h"

#include "Cli.h"
#include "build/BuildPipeline.h"
#include "check/ProjectCheck.h"
#include "export/ExportFormat.h"
#include "export/ItemListExport.h"
#include "export/OfficeAdapter.h"
#include "project/FieldCapacity.h"
#include "project/ItemTable.h"
#include "record/RecordingProject.h"
#include "util/Fs.h"
#include "util/Text.h"

namespace qv::cli {

namespace {

// One line per field: a TAB, CR or LF inside it would break the line apart.
std::string oneLine(std::string text)
{
    for (char& c : text) {
        if (c == '\t' || c == '\r' || c == '\n')
            c = ' ';
    }
    return text;
}

BuildInput buildInputOf(CliContext& ctx, CliProject& project)
{
    ProjectSession& s = project.session();
    return BuildInput::fromProject(ctx.baseDir, s.table(), s.categories(), s.data(), s.cdName(), s.projectFolder());
}

void printBuildSummary(CliContext& ctx, const BuildSummary& summary)
{
    ctx.out << "output\t" << pathText(summary.folders.root) << "\n"
            << "categories\t" << summary.categories << "\n"
            << "items\t" << summary.items << "\n"
            << "files\t" << summary.filesWritten << "\n";
    printMissingSources(ctx, summary);
}

std::string_view headerFieldName(int field)
{
    switch (field) {
    case HeaderCdName: return "CD name";
    case HeaderProjectFolder: return "project folder";
    case HeaderCategoryPath: return "category file";
    case HeaderCategoryBareName: return "category file name";
    case HeaderCategoryExtension: return "category file extension";
    case HeaderDesignPath: return "design file";
    case HeaderDesignBareName: return "design file name";
    case HeaderDesignExtension: return "design file extension";
    default: return "header field";
    }
}

}  // namespace

void printCutValues(CliContext& ctx, const std::vector<CutValue>& cuts)
{
    for (const CutValue& cut : cuts) {
        ctx.err << "warning: ";
        if (cut.row == 0)
            ctx.err << "header, " << headerFieldName(cut.field);
        else
            ctx.err << "row " << cut.row << ", " << ItemTable::englishName(cut.field);
        ctx.err << ": cut to its first " << utf8Length(cut.kept) << " of " << utf8Length(cut.text)
                << " characters, \"" << oneLine(cut.kept) << "\"\n";
    }
}

void printItemRow(CliContext& ctx, const ItemTable& table, int row)
{
    for (int field = 1; field <= ItemTable::kFields; ++field)
        ctx.out << (field > 1 ? "\t" : "") << oneLine(table.read(field, row));
    ctx.out << "\n";
}

void printMissingSources(CliContext& ctx, const BuildSummary& summary)
{
    for (const auto& missing : summary.missingSources) {
        if (!iequals(pathText(missing.filename()), "Unzdll.dll"))
            ctx.err << "note: nothing to copy from " << pathText(missing) << "\n";
    }
}

int runShow(CliContext& ctx, const CommandArgs& args)
{
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    ProjectSession& s = project.session();
    ctx.out << "cdname\t" << oneLine(s.cdName()) << "\n"
            << "rootname\t" << oneLine(s.projectFolder()) << "\n"
            << "categories\t" << pathText(s.categoryFile()) << "\n"
            << "design\t" << pathText(s.designFile()) << "\n";
    const ItemTable& table = s.table();
    for (int row = 1; row < table.rowCount(); ++row)
        printItemRow(ctx, table, row);
    return kOk;
}

int runBuild(CliContext& ctx, const CommandArgs& args)
{
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    BuildSummary summary;
    {
        auto work = ctx.ui.beginWork("build");
        summary = BuildPipeline::buildInto(buildInputOf(ctx, project), std::filesystem::absolute(pathFromText(args.positional[1])), &work);
    }
    printBuildSummary(ctx, summary);
    if (args.has("--run")) {
        const auto runtime = BuildPipeline::runtimeProgram(summary.folders);
        if (!ctx.ui.startProgram(runtime)) {
            ctx.err << "The menu runtime " << pathText(runtime) << " could not be started.\n";
            return kFailed;
        }
    }
    return kOk;
}

int runCheck(CliContext& ctx, const CommandArgs& args)
{
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    ProjectSession& s = project.session();
    ProjectCheck check(s.table(), ctx.language);
    CheckResult result;
    {
        auto work = ctx.ui.beginWork("check");
        result = check.runUnattended(s.projectFolder(), [&work](int row, int rows) { work.step(row, rows); });
    }
    if (result.projectFolderMissing) {
        ctx.err << ProjectCheck::missingFolderText(ctx.language, s.projectFolder()) << "\n";
        return kFailed;
    }
    for (const auto& line : checkReportLines(result))
        ctx.out << line << "\n";
    if (args.has("--save") && s.modified()) {
        const YesNoWords words{s.table().yesWord(), s.table().noWord()};
        const auto cuts = FieldCapacity::cutsOf(s.header(), s.items(), words);
        if (!s.save())
            return kFailed;
        ctx.out << "saved\t" << pathText(s.projectFile()) << "\n";
        printCutValues(ctx, cuts);
    }
    return kOk;
}

int runExport(CliContext& ctx, const CommandArgs& args)
{
    const auto format = exportFormatFromName(args.positional[1]);
    if (!format) {
        ctx.err << "Unknown format " << args.positional[1] << "; use asc, cvs, html, doc or xls.\n";
        return kUsage;
    }
    CliProject project(ctx);
    project.applyDisplaySettings();
    if (!project.open(args.positional[0]))
        return kFailed;
    NoOfficeAdapter office;
    const auto target = std::filesystem::absolute(pathFromText(args.positional[2]));
    ExportResult result;
    {
        auto work = ctx.ui.beginWork("export", kExportSteps);
        result = exportItemList(project.table(), *format, target, office, &work);
    }
    if (!result.ok) {
        ctx.err << result.error << "\n";
        return kFailed;
    }
    ctx.out << "wrote\t" << pathText(target) << "\n";
    return kOk;
}

int runRecord(CliContext& ctx, const CommandArgs& args)
{
    CliProject project(ctx);
    if (!project.open(args.positional[0]))
        return kFailed;
    ProjectSession& s = project.session();
    const RecordingProject recording(ctx.baseDir);
    if (!recording.run(ctx.ui, ctx.language, s.projectFolder(), s.cdName(), args.has("--open")))
        return kFailed;
    ctx.out << pathText(recording.outputPath()) << "\n";
    return kOk;
}

}  // namespace qv::cli
