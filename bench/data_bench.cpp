// Reading the texts and pictures the screens start from.
#include <benchmark/benchmark.h>

#include <QStringList>

#include "app/language.h"
#include "platform/fields.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/picture.h"
#include "support.h"

namespace {

const QString kTextFile = QStringLiteral("text/text.csv");

QByteArray textBytes() {
    const auto bytes = platform::readFileBytes(bench::runFile(kTextFile));
    return bytes ? *bytes : QByteArray();
}

// What the title screen does at start: the whole table read, then one column applied.
void LoadTextTableAndApply(benchmark::State& state) {
    app::LanguageState& shared = app::lang();
    const QString path = bench::runFile(kTextFile);
    for (auto _ : state) {
        if (!app::readTextTable(path, shared) || !app::applylanguage()) state.SkipWithError("the text table did not load");
    }
}
BENCHMARK(LoadTextTableAndApply);

void ReadTextTable(benchmark::State& state) {
    app::LanguageState local;
    const QString path = bench::runFile(kTextFile);
    for (auto _ : state) {
        if (!app::readTextTable(path, local)) state.SkipWithError("the text table did not load");
    }
}
BENCHMARK(ReadTextTable);

// Switching language: one column copied into the text globals; ends on English for what follows.
void ApplyLanguage(benchmark::State& state) {
    app::LanguageState& shared = app::lang();
    long long column = 0;
    for (auto _ : state) {
        shared.langindex = app::LangIndex::number(column);
        column = (column + 1) % app::kFileColumns;
        if (!app::applylanguage()) state.SkipWithError("a language column did not apply");
    }
    shared.langindex = app::LangIndex::number(0);
    app::applylanguage();
}
BENCHMARK(ApplyLanguage);

void DecodeTextFile(benchmark::State& state) {
    const QByteArray bytes = textBytes();
    if (bytes.isEmpty()) state.SkipWithError("no text file in the run folder");
    for (auto _ : state) benchmark::DoNotOptimize(platform::decodeText(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(DecodeTextFile);

// The field reader over the whole decoded text file.
void FieldReaderOnTextFile(benchmark::State& state) {
    const QByteArray bytes = textBytes();
    if (bytes.isEmpty()) state.SkipWithError("no text file in the run folder");
    const QString text = platform::decodeText(bytes);
    long fields = 0;
    for (auto _ : state) {
        platform::FieldReader reader(text);
        fields = 0;
        while (reader.next()) ++fields;
        benchmark::DoNotOptimize(fields);
    }
    state.counters["fields"] = double(fields);
    state.SetBytesProcessed(state.iterations() * bytes.size());
    if (fields < app::kFileColumns * app::kFileRows) state.SkipWithError("the text file has fewer fields than a table");
}
BENCHMARK(FieldReaderOnTextFile);

// The case-blind look-up that every picture and text file goes through.
void ResolvePath(benchmark::State& state) {
    const QString name = QStringLiteral("IMAGES\\BOARD.WMF");
    for (auto _ : state) benchmark::DoNotOptimize(platform::resolvePath(name));
}
BENCHMARK(ResolvePath);

const QStringList kPictures{
    QStringLiteral("images\\dartboard.jpg"), QStringLiteral("IMAGES\\BOARD.WMF"),
    QStringLiteral("fruit\\plumblur.jpg"),   QStringLiteral("fruit\\fruits.jpg"),
    QStringLiteral("Images\\dart.ico"),      QStringLiteral("opening\\splashq00.jpg"),
    QStringLiteral("Images\\startqorv.jpg"),
};

// From the name, as screens load them: the look-up, the file's check and a picture kept by the cache.
void LoadPicture(benchmark::State& state) {
    const QString& name = kPictures[static_cast<int>(state.range(0))];
    state.SetLabel(name.toStdString());
    for (auto _ : state) {
        const auto picture = platform::loadPicture(name);
        if (!picture) {
            state.SkipWithError("the picture did not load");
            break;
        }
        benchmark::DoNotOptimize(picture->image.constBits());
    }
}
BENCHMARK(LoadPicture)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// The decode alone at the file's density, from bytes already in memory.
void DecodePicture(benchmark::State& state) {
    const QString& name = kPictures[static_cast<int>(state.range(0))];
    state.SetLabel(name.toStdString());
    const auto bytes = platform::readFileBytes(platform::resolvePath(name), 32 * 1024 * 1024);
    if (!bytes) state.SkipWithError("the picture file is missing");
    for (auto _ : state) {
        const auto picture = platform::decodePicture(*bytes, name);
        if (!picture) {
            state.SkipWithError("the picture did not decode");
            break;
        }
        benchmark::DoNotOptimize(picture->image.constBits());
    }
    if (bytes) state.SetBytesProcessed(state.iterations() * bytes->size());
}
BENCHMARK(DecodePicture)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

// The decode the cache makes on a miss: at the size windows draw the picture at the run's zoom.
void DecodePictureAtZoom(benchmark::State& state) {
    const QString& name = kPictures[static_cast<int>(state.range(0))];
    state.SetLabel(name.toStdString());
    const auto bytes = platform::readFileBytes(platform::resolvePath(name), 32 * 1024 * 1024);
    if (!bytes) state.SkipWithError("the picture file is missing");
    for (auto _ : state) {
        const auto picture = platform::decodePictureAt(*bytes, name, platform::picturePixelsPerTwip());
        if (!picture) {
            state.SkipWithError("the picture did not decode");
            break;
        }
        benchmark::DoNotOptimize(picture->image.constBits());
    }
}
BENCHMARK(DecodePictureAtZoom)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);

}  // namespace
