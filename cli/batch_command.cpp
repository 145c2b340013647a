// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch_command.h"

#include "cli/csv_reader.h"
#include "cli/csv_writer.h"
#include "cli/pdf_printout.h"
#include "cli/printout_file_name.h"
#include "cli/stored_setup.h"
#include "core/calculator_catalogue.h"
#include "core/number_format.h"
#include "core/output_file.h"
#include "core/print_database.h"
#include "core/report_template.h"
#include "core/text.h"
#include "core/utf8_text.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace grovan::cli {

namespace {

struct BatchArguments
{
    std::string calculator;
    std::string inputFile;
    std::string outFile;
    std::string pdfDir;
    std::string language = "en";
    std::string dataDir;
    unsigned jobs = 1;
};

constexpr std::string_view kEmployeeNameKey = "employeeName";

std::string counted(std::size_t count)
{
    return formatNumber(static_cast<double>(count), "### ### ### ##0");
}

std::string errorText(const InputError& error)
{
    return error.key.empty() ? error.message : escapedText(error.key) + ": " + error.message;
}

// Progress for long files: a line on standard error at most once a second, none for a file
// done within the first second.
class Progress
{
public:
    explicit Progress(std::ostream& err) : m_err(err), m_last(std::chrono::steady_clock::now()) {}

    void row(std::size_t rows, std::size_t failed)
    {
        if (rows % 1024 != 0) {
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now - m_last < std::chrono::seconds(1)) {
            return;
        }
        m_last = now;
        m_err << "grovan-cli: " << counted(rows) << " rows done, " << counted(failed)
              << " with errors" << std::endl;
    }

private:
    std::ostream& m_err;
    std::chrono::steady_clock::time_point m_last;
};

// Messages of the print path, kept to be written into the row's error cell (or shown once the
// printout succeeded anyway).
class CollectingSink : public MessageSink
{
public:
    void show(const Message& message) override
    {
        std::string text;
        bool blank = false;
        for (const char c : message.text) {
            const bool isBlank = c == '\n' || c == '\r' || c == ' ';
            if (isBlank && !blank) {
                text.push_back(' ');
            } else if (!isBlank) {
                text.push_back(c);
            }
            blank = isBlank;
        }
        m_texts.push_back(text);
    }

    std::string joined() const
    {
        std::string all;
        for (const std::string& text : m_texts) {
            all += (all.empty() ? "" : " ") + text;
        }
        return all;
    }

    bool empty() const { return m_texts.empty(); }
    void clear() { m_texts.clear(); }

private:
    std::vector<std::string> m_texts;
};

struct OpenInput
{
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{nullptr, &std::fclose};
    int readError = 0;
};

std::string readFailure(CsvReader::Failure failure, const std::string& file, std::size_t row,
                        int readError)
{
    switch (failure) {
    case CsvReader::Failure::OpenQuote:
        return file + ": row " + counted(row) +
               " has a quoted cell that is never closed (its closing quote is missing)";
    case CsvReader::Failure::LongRecord:
        return file + ": row " + counted(row) +
               " is longer than 64 MiB; most likely a quoted cell is never closed";
    case CsvReader::Failure::ReadError:
    case CsvReader::Failure::None:
        break;
    }
    return "cannot read " + file + ": " + std::strerror(readError);
}

bool isSameFile(const std::filesystem::path& a, const std::filesystem::path& b)
{
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

// Everything a batch checks before its first row; false (exit code 2) when it cannot start.
struct Preparation
{
    std::vector<std::string> keys;
    std::unique_ptr<ColumnCases> cases;
    std::filesystem::path outFile; ///< empty for standard output
    /// The folder of the report templates when printouts are asked for.
    std::optional<std::filesystem::path> printAssets;
};

std::optional<std::filesystem::path> dataFolder(const BatchArguments& arguments,
                                                CliContext& context)
{
    if (!arguments.dataDir.empty()) {
        return std::filesystem::path(arguments.dataDir);
    }
    return defaultDataFolder(context.err);
}

bool preparePrintouts(const Calculator& calculator, const DatabaseSchema& printSchema,
                      const BatchArguments& arguments, CliContext& context, Preparation& prepared)
{
    if (!pdfPrintoutAvailable()) {
        context.refuse("--pdf-dir: this grovan-cli was built without the report renderer (the "
                       "build without the desktop program) and cannot write printouts");
        return false;
    }
    if (calculator.printTemplates().empty()) {
        context.refuse("--pdf-dir: the " + std::string(calculator.name()) +
                       " calculator has no printout");
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(arguments.pdfDir, error);
    if (error || !std::filesystem::is_directory(arguments.pdfDir)) {
        context.refuse("--pdf-dir: cannot make the folder " + arguments.pdfDir +
                       (error ? ": " + error.message() : ": a file of that name is in the way"));
        return false;
    }
    const std::filesystem::path assets = defaultAssetFolder();
    for (std::string_view templateFile : calculator.printTemplates()) {
        const auto loaded = ReportTemplate::load(assets / templateFile, printSchema);
        if (const auto* problem = std::get_if<TemplateError>(&loaded)) {
            context.refuse("--pdf-dir: the printout's template cannot be used: " + problem->text());
            return false;
        }
    }
    prepared.printAssets = assets;
    return true;
}

std::optional<Preparation> prepare(const Calculator& calculator, const DatabaseSchema& printSchema,
                                   const BatchArguments& arguments, CsvReader& reader,
                                   CliContext& context, int readError)
{
    CsvRecord header;
    const auto status = reader.next(header);
    if (status == CsvReader::Status::Failed) {
        context.refuse(readFailure(reader.failure(), arguments.inputFile, 0, readError));
        return std::nullopt;
    }
    if (status == CsvReader::Status::End) {
        context.refuse(arguments.inputFile +
                       " is empty: its first line must name the columns by the inputs' keys "
                       "(grovan-cli describe " +
                       arguments.calculator + " lists them)");
        return std::nullopt;
    }
    if (!header.problem.empty()) {
        context.refuse(arguments.inputFile + ": the header's " + header.problem);
        return std::nullopt;
    }
    Preparation prepared;
    for (const std::string_view cell : header.cells) {
        prepared.keys.emplace_back(trimmed(cell));
        if (prepared.keys.back().empty()) {
            context.refuse(arguments.inputFile + ": column " +
                           std::to_string(prepared.keys.size()) + " of the header has no name");
            return std::nullopt;
        }
    }
    auto cases = calculator.columnCases(prepared.keys);
    if (const auto* error = std::get_if<InputError>(&cases)) {
        context.refuse(arguments.inputFile + ": the column " + quotedText(error->key) + " " +
                       error->message);
        return std::nullopt;
    }
    prepared.cases = std::move(std::get<std::unique_ptr<ColumnCases>>(cases));

    if (!arguments.outFile.empty()) {
        if (isSameFile(arguments.outFile, arguments.inputFile)) {
            context.refuse("--out: the results would overwrite the input file " +
                           arguments.inputFile + "; give another file");
            return std::nullopt;
        }
        // The results replace a file by renaming a new one over it, which must never happen to
        // a device, a pipe or a link (whatever it stands for, such as /dev/stdout).
        if (const auto problem = outputFileProblem(arguments.outFile)) {
            context.refuse("--out: " + arguments.outFile + " " + *problem);
            return std::nullopt;
        }
        prepared.outFile = arguments.outFile;
    }
    if (!arguments.pdfDir.empty() &&
        !preparePrintouts(calculator, printSchema, arguments, context, prepared)) {
        return std::nullopt;
    }
    return prepared;
}

void writeValue(CsvWriter& writer, const FieldValue& value)
{
    if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        writer.integer(*whole);
    } else if (const auto* number = std::get_if<double>(&value)) {
        writer.number(*number);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        writer.cell(*text);
    } else {
        writer.cell({});
    }
}

// What every row of a batch is run with.
struct RowSettings
{
    std::size_t columns = 0;
    std::size_t resultCount = 0;
    /// The tables of results, the first of the output's lists, and their cells together.
    std::size_t tableCount = 0;
    std::size_t tableCellCount = 0;
    const RunOptions* options = nullptr;
};

// What a row's calculation gives: its results as numbers, or, where its printout is written as
// well, the whole output; kept from row to row for their storage.
struct RowOutput
{
    std::vector<double> numbers;
    CalculationOutput whole;
};

// Calculates one row and writes its cells and results (empty ones when it is not calculated),
// leaving its error cell to the caller; true when it was calculated, `error` says why not
// otherwise. With printouts the row's whole output is kept in `output.whole`.
bool writeRow(const CsvRecord& record, const RowSettings& settings, ColumnCases& cases,
              RowOutput& output, CsvWriter& writer, std::string& error)
{
    const bool whole = settings.options->withPrintout;
    bool calculated = false;
    if (!record.problem.empty()) {
        error = record.problem;
    } else if (auto refused =
                   whole ? cases.run(record.cells, *settings.options, output.whole)
                         : cases.runForResults(record.cells, *settings.options, output.numbers)) {
        error = errorText(*refused);
    } else {
        calculated = true;
    }
    if (record.cells.size() == settings.columns && !record.plainText.empty()) {
        writer.plainCells(record.plainText, settings.columns);
    } else {
        for (std::size_t column = 0; column < settings.columns; ++column) {
            writer.cell(column < record.cells.size() ? record.cells[column] : std::string_view{});
        }
    }
    if (!calculated) {
        for (std::size_t i = 0; i < settings.resultCount + settings.tableCellCount; ++i) {
            writer.cell({});
        }
    } else if (!whole) {
        writer.numbers(output.numbers);
    } else {
        for (const NamedValue& value : output.whole.results) {
            writeValue(writer, value.value);
        }
        for (std::size_t t = 0; t < settings.tableCount && t < output.whole.resultLists.size();
             ++t) {
            for (const std::vector<NamedValue>& row : output.whole.resultLists[t].items) {
                for (const NamedValue& value : row) {
                    writeValue(writer, value.value);
                }
            }
        }
    }
    return calculated;
}

// Rows kept for a worker: their cells copied out of the reader's buffer, then the text of their
// results.
class Chunk
{
public:
    static constexpr std::size_t kRows = 4096;

    bool full() const { return m_rows.size() == kRows; }
    bool empty() const { return m_rows.empty(); }
    std::size_t size() const { return m_rows.size(); }

    void add(const CsvRecord& record)
    {
        Row row{m_cells.size(), record.cells.size(), m_text.size(), record.plainText.size(),
                record.problem};
        if (!record.plainText.empty()) {
            // The cells of a record that stands as it is are parts of its text.
            m_text.append(record.plainText);
            for (const std::string_view cell : record.cells) {
                m_cells.push_back({row.textBegin + static_cast<std::size_t>(
                                                       cell.data() - record.plainText.data()),
                                   cell.size()});
            }
        } else {
            for (const std::string_view cell : record.cells) {
                m_cells.push_back({m_text.size(), cell.size()});
                m_text.append(cell);
            }
        }
        m_rows.push_back(std::move(row));
    }

    // Row `index` as the reader gave it.
    void record(std::size_t index, CsvRecord& record) const
    {
        const Row& row = m_rows[index];
        record.cells.clear();
        for (std::size_t cell = row.firstCell; cell < row.firstCell + row.cellCount; ++cell) {
            record.cells.emplace_back(m_text.data() + m_cells[cell].first, m_cells[cell].second);
        }
        record.plainText = std::string_view(m_text.data() + row.textBegin, row.plainSize);
        record.problem = row.problem;
    }

    void clear()
    {
        m_text.clear();
        m_cells.clear();
        m_rows.clear();
        results.clear();
        rowEnds.clear();
        failed.clear();
        done = false;
    }

    std::string results;              ///< the rows' results as CSV text, once calculated
    std::vector<std::size_t> rowEnds; ///< where each row's text ends in `results`
    std::vector<char> failed;         ///< whether each row has an error
    bool done = false;                ///< calculated; guarded by the batch's mutex

private:
    struct Row
    {
        std::size_t firstCell;
        std::size_t cellCount;
        std::size_t textBegin;
        std::size_t plainSize; ///< 0 when the record is not plain text
        std::string problem;
    };

    std::string m_text;
    std::vector<std::pair<std::size_t, std::size_t>> m_cells; ///< offset and size in m_text
    std::vector<Row> m_rows;
};

// Runs the rows on a thread for each of `workerCases`, a chunk at a time: this thread reads the
// chunks and writes their rows into `writer` in the order of the input, with the progress lines
// of the rows as they are written; each worker calculates a chunk and writes it into its text.
// The writer gets the same records one by one as it would from one thread, so it hands on the
// same bytes at the same points. Returns the reader's last status.
CsvReader::Status runInChunks(std::vector<std::unique_ptr<ColumnCases>> workerCases,
                              const RowSettings& settings, CsvReader& reader, CsvWriter& writer,
                              Progress& progress, std::size_t& rows, std::size_t& failed)
{
    const std::size_t slots = 2 * workerCases.size() + 1;
    std::vector<Chunk> chunks(slots);
    std::mutex mutex;
    std::condition_variable toCalculate;
    std::condition_variable calculated;
    std::size_t filled = 0; // chunks handed to the workers
    std::size_t taken = 0;  // chunks a worker took
    bool noMore = false;

    const auto work = [&](ColumnCases& cases) {
        RowOutput output;
        std::string error;
        CsvRecord record;
        std::string* target = nullptr;
        CsvWriter chunkWriter([&target](std::string_view bytes) {
            target->append(bytes);
            return true;
        });
        for (;;) {
            std::size_t index = 0;
            {
                std::unique_lock lock(mutex);
                toCalculate.wait(lock, [&] { return taken < filled || noMore; });
                if (taken == filled) {
                    return;
                }
                index = taken++;
            }
            Chunk& chunk = chunks[index % slots];
            target = &chunk.results;
            for (std::size_t i = 0; i < chunk.size(); ++i) {
                chunk.record(i, record);
                error.clear();
                writeRow(record, settings, cases, output, chunkWriter, error);
                chunkWriter.cell(error);
                chunkWriter.endRecord();
                chunk.rowEnds.push_back(chunk.results.size() + chunkWriter.pending());
                chunk.failed.push_back(error.empty() ? 0 : 1);
            }
            chunkWriter.flush();
            {
                const std::lock_guard lock(mutex);
                chunk.done = true;
            }
            calculated.notify_all();
        }
    };
    std::vector<std::thread> workers;
    for (const auto& cases : workerCases) {
        workers.emplace_back(work, std::ref(*cases));
    }

    std::size_t written = 0; // chunks written
    const auto isDone = [&](const Chunk& chunk) {
        const std::lock_guard lock(mutex);
        return chunk.done;
    };
    const auto writeNext = [&] {
        Chunk& chunk = chunks[written % slots];
        {
            std::unique_lock lock(mutex);
            calculated.wait(lock, [&] { return chunk.done; });
        }
        std::size_t begin = 0;
        for (std::size_t i = 0; i < chunk.size(); ++i) {
            writer.records(std::string_view(chunk.results).substr(begin, chunk.rowEnds[i] - begin));
            begin = chunk.rowEnds[i];
            ++rows;
            failed += chunk.failed[i] != 0 ? 1 : 0;
            progress.row(rows, failed);
        }
        chunk.clear();
        ++written;
    };

    CsvRecord record;
    CsvReader::Status status = CsvReader::Status::Record;
    while (status == CsvReader::Status::Record) {
        if (filled - written == slots) {
            writeNext();
        }
        Chunk& chunk = chunks[filled % slots];
        while (!chunk.full() && (status = reader.next(record)) == CsvReader::Status::Record) {
            chunk.add(record);
        }
        if (!chunk.empty()) {
            {
                const std::lock_guard lock(mutex);
                ++filled;
            }
            toCalculate.notify_one();
        }
        while (written < filled && isDone(chunks[written % slots])) {
            writeNext();
        }
    }
    {
        const std::lock_guard lock(mutex);
        noMore = true;
    }
    toCalculate.notify_all();
    while (written < filled) {
        writeNext();
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    return status;
}

std::vector<std::string_view> resultKeys(const Calculator& calculator)
{
    std::vector<std::string_view> keys;
    for (const FieldGroup& group : calculator.fields()) {
        if (group.role == FieldRole::Result) {
            for (const FieldDescription* field : group.fields) {
                keys.push_back(field->key);
            }
        }
    }
    return keys;
}

// A table of results takes a column a cell, named after the table, the row (from 1) and the
// column: "terms.1.repayment".
std::vector<std::string> tableColumnNames(const Calculator& calculator)
{
    std::vector<std::string> names;
    for (const ResultTable& table : calculator.resultTables()) {
        for (std::size_t row = 1; row <= table.rows; ++row) {
            for (const FieldDescription* column : table.columns) {
                names.push_back(std::string(table.table->key) + "." + std::to_string(row) + "." +
                                std::string(column->key));
            }
        }
    }
    return names;
}

void run(const BatchArguments& arguments, CliContext& context,
         const CalculatorCatalogue& calculators)
{
    const Calculator* calculator = calculators.find(arguments.calculator);
    if (calculator == nullptr) {
        return;
    }
    if (!calculator->runsInColumns()) {
        context.refuse("the " + arguments.calculator +
                       " calculator takes lists of records that a CSV row cannot hold: run each "
                       "case with grovan-cli calc " +
                       arguments.calculator + " and a JSON object");
        return;
    }
    if (arguments.language == "af" && calculator->printLanguages() == PrintLanguages::EnglishOnly) {
        context.refuse("--lang af: the " + arguments.calculator +
                       " calculator's printout is in English only");
        return;
    }
    OpenInput input;
    input.file.reset(std::fopen(arguments.inputFile.c_str(), "rb"));
    if (!input.file) {
        context.refuse("cannot read " + arguments.inputFile + ": " + std::strerror(errno));
        return;
    }
    CsvReader reader([&input](char* buffer, std::size_t size) -> std::ptrdiff_t {
        const std::size_t read = std::fread(buffer, 1, size, input.file.get());
        if (read == 0 && std::ferror(input.file.get())) {
            input.readError = errno;
            return -1;
        }
        return static_cast<std::ptrdiff_t>(read);
    });
    auto prepared = prepare(*calculator, calculators.printSchema(), arguments, reader, context,
                            input.readError);
    if (!prepared) {
        return;
    }

    std::optional<OutputFile> outFile;
    if (!prepared->outFile.empty()) {
        outFile.emplace(prepared->outFile);
        if (!outFile->open()) {
            context.refuse("--out: " + arguments.outFile + " " + outFile->error());
            return;
        }
    }
    const CsvWriter::Sink sink = [&outFile, &context](std::string_view bytes) {
        if (outFile) {
            return outFile->write(bytes);
        }
        context.out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(context.out);
    };
    // A file that began with a byte order mark (as spreadsheets write UTF-8) gets its results
    // with one too, so that the same spreadsheet reads names with accents right.
    if (reader.hadByteOrderMark()) {
        sink("\xEF\xBB\xBF");
    }
    CsvWriter writer(sink);

    const std::vector<std::string_view> results = resultKeys(*calculator);
    const std::vector<std::string> tableCells = tableColumnNames(*calculator);
    for (const std::string& key : prepared->keys) {
        writer.cell(key);
    }
    for (const std::string_view key : results) {
        writer.cell(key);
    }
    for (const std::string& name : tableCells) {
        writer.cell(name);
    }
    writer.cell("error");
    writer.endRecord();

    // Read once, whichever row first needs them (rows may run on several threads).
    std::once_flag storedRead;
    SetupValues stored;
    RunOptions options;
    options.storedSetup = [&storedRead, &stored, &arguments, &context] {
        std::call_once(storedRead, [&stored, &arguments, &context] {
            const auto folder = dataFolder(arguments, context);
            stored = folder ? loadStoredSetup(*folder, context.err) : SetupValues{};
        });
        return stored;
    };
    options.listInputs = false;
    options.withPrintout = prepared->printAssets.has_value();
    const PrintLanguage language =
        arguments.language == "af" ? PrintLanguage::Afrikaans : PrintLanguage::English;
    const auto nameColumn =
        std::find(prepared->keys.begin(), prepared->keys.end(), kEmployeeNameKey) -
        prepared->keys.begin();
    RowSettings settings;
    settings.columns = prepared->keys.size();
    settings.resultCount = results.size();
    settings.tableCount = calculator->resultTables().size();
    settings.tableCellCount = tableCells.size();
    settings.options = &options;

    std::size_t rows = 0;
    std::size_t failed = 0;        // rows with anything in the error column
    std::size_t notCalculated = 0; // rows refused
    std::size_t printouts = 0;     // printouts tried, one per calculated row
    std::size_t printoutsFailed = 0;
    Progress progress(context.err);
    CsvReader::Status status;
    if (arguments.jobs > 1 && !prepared->printAssets) {
        std::vector<std::unique_ptr<ColumnCases>> workerCases;
        workerCases.push_back(std::move(prepared->cases));
        while (workerCases.size() < arguments.jobs) {
            // The same columns were taken before the first row.
            workerCases.push_back(std::move(
                std::get<std::unique_ptr<ColumnCases>>(calculator->columnCases(prepared->keys))));
        }
        status =
            runInChunks(std::move(workerCases), settings, reader, writer, progress, rows, failed);
        notCalculated = failed; // no printouts here: every error is a row not calculated
    } else {
        CsvRecord record;
        RowOutput output;
        CollectingSink printMessages;
        std::string error;
        while ((status = reader.next(record)) == CsvReader::Status::Record) {
            ++rows;
            error.clear();
            const bool calculated =
                writeRow(record, settings, *prepared->cases, output, writer, error);
            if (calculated && prepared->printAssets && !output.whole.printRefusal.empty()) {
                error = "printout: not written: " + output.whole.printRefusal;
            } else if (calculated && prepared->printAssets) {
                const std::string_view name =
                    static_cast<std::size_t>(nameColumn) < settings.columns
                        ? record.cells[nameColumn]
                        : std::string_view{};
                const auto pdf =
                    std::filesystem::path(arguments.pdfDir) / printoutFileName(rows, name);
                printMessages.clear();
                ++printouts;
                if (!writePrintoutPdf(output.whole, language, calculators.printSchema(),
                                      *prepared->printAssets, pdf, printMessages)) {
                    ++printoutsFailed;
                    error = "printout: " + printMessages.joined();
                } else if (!printMessages.empty()) {
                    context.err << "grovan-cli: " << printMessages.joined() << '\n';
                }
            }
            writer.cell(error);
            writer.endRecord();
            failed += error.empty() ? 0 : 1;
            notCalculated += calculated ? 0 : 1;
            progress.row(rows, failed);
        }
    }

    const std::string where = outFile ? arguments.outFile + " was not written"
                                      : "the results on standard output are incomplete";
    if (status == CsvReader::Status::Failed) {
        context.refuse(
            readFailure(reader.failure(), arguments.inputFile, rows + 1, input.readError) + "; " +
            where);
        return;
    }
    const bool written =
        outFile ? writer.flush() && outFile->commit() : writer.flush() && context.out.flush();
    if (!written) {
        context.refuse(outFile ? "--out: " + arguments.outFile + " " + outFile->error()
                               : std::string("cannot write the results to standard output"));
        return;
    }
    if (notCalculated > 0) {
        context.err << "grovan-cli: " << counted(notCalculated) << " of " << counted(rows)
                    << " rows were not calculated; the error column says why\n";
    }
    if (printoutsFailed > 0) {
        context.err << "grovan-cli: " << counted(printoutsFailed) << " of " << counted(printouts)
                    << " printouts could not be written; the error column says why\n";
    }
    if (failed > 0) {
        context.exitCode = kExitFailed;
    }
}

} // namespace

void addBatchCommand(CLI::App& app, CliContext& context, const CalculatorCatalogue& calculators)
{
    auto arguments = std::make_shared<BatchArguments>();
    CLI::App* command = app.add_subcommand(
        "batch", "Run a calculator over every row of a CSV file whose header names the inputs "
                 "(grovan-cli describe NAME lists them); each row comes back with every result "
                 "and an error column");
    command->add_option("calculator", arguments->calculator, "The calculator")
        ->required()
        ->check(CLI::IsMember(calculators.names()));
    command
        ->add_option("file", arguments->inputFile,
                     "The CSV file: a header of input keys, then one case per row")
        ->required()
        ->check(CLI::ExistingFile);
    command->add_option("--out", arguments->outFile,
                        "Write the results to this CSV file (replaced only once complete) "
                        "instead of standard output");
    command->add_option("--pdf-dir", arguments->pdfDir,
                        "Write each calculated row's printout as a PDF file into this folder, "
                        "named after the row number and the employee's name");
    command->add_option("--lang", arguments->language, "Language of the printouts")
        ->check(CLI::IsMember({"en", "af"}));
    command
        ->add_option("--data-dir", arguments->dataDir,
                     "The folder of the settings and print databases (default: the program's "
                     "own)")
        ->check(CLI::ExistingDirectory);
    command
        ->add_option("--jobs", arguments->jobs,
                     "Calculate the rows on this many threads, a few thousand rows at a time; the "
                     "results come in the order of the input, the same as with one (with "
                     "--pdf-dir the rows are run one after another)")
        ->check(CLI::Range(1, 64));
    command->callback(
        [arguments, &context, &calculators] { run(*arguments, context, calculators); });
}

} // namespace grovan::cli
