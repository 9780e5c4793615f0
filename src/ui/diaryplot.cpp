#include "diaryplot.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <cstdio>

namespace brankor::ui {

DiaryPlot* createDiaryPlot() {
    static BrankorCreateDiaryPlot create = [] {
        // Installed: beside the program's folder, as the install lays it out. Built: in the
        // build's own folder, wherever the program that asks for it lies.
        const QString installed = QDir(QCoreApplication::applicationDirPath())
                                      .absoluteFilePath(QStringLiteral(BRANKOR_CHART_INSTALLED));
        QStringList errors;
        for (const QString& file : {installed, QStringLiteral(BRANKOR_CHART_BUILT)}) {
            // Kept loaded for the rest of the run: the chart's code stays in use while any
            // diary is open, and a second diary finds it at once.
            QLibrary library(file);
            if (auto found = reinterpret_cast<BrankorCreateDiaryPlot>(
                    library.resolve("brankorCreateDiaryPlot")))
                return found;
            errors << library.errorString();
        }
        std::fprintf(stderr, "brankor: no diary chart: %s\n", qUtf8Printable(errors.join("; ")));
        return BrankorCreateDiaryPlot{};
    }();
    return create ? create() : nullptr;
}

}  // namespace brankor::ui
