// Reads arbitrary bytes as a project file, and mutations of a valid project
// file. Whatever parses must load into the page tables without leaving them,
// and the configuration written from the pages must read back to itself.
#include "core/weightingdata.h"
#include "project/partlist.h"
#include "project/projectdocument.h"
#include "project/projectrecords.h"
#include "tests/project/ownedpages.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonObject>
#include <QtGlobal>

#include <cstdlib>

namespace {

const char kValid[] = R"({
    "Custom": [1, "x"],
    "TableParts": [{"index": 0, "name": "part 0", "CellList": [{"posIndex": 0, "pageId": "1", "cellIndex": "0",
                    "typeFlag": 0}], "allTotalData": 9000, "horizontalSlider_value": 3}],
    "PlanParts": [{"index": 1, "name": "plan", "CellList": [{"pageId": "20", "cellIndex": "5", "x": 1, "y": 2,
                   "z": 3}]}],
    "LinePlotParts": [], "TableSet": {"rect3": 1, "rect10": 0},
    "Setting": {"log": "a", "saveStartBool": true, "saveTimeIndex": 1, "mediaOpen": false},
    "WeightingControlParent": {"Number": 1, "WeightingControl": {"index": 20,
        "CELL DATA": [
            {"pageId": 1, "index": 0, "groupId": 0, "typeFlag": 0, "name": "ALL LOAD", "type": "ALL LOAD",
             "minWarn": 0, "maxWarn": 4000, "minErr": 0, "maxErr": 5000, "peel": 0, "peelEnable": false},
            {"pageId": 1, "index": 7, "groupId": 2, "typeFlag": 0, "name": "CZ 1.7", "type": "2",
             "minWarn": 10.5, "maxWarn": 4000, "minErr": 1, "maxErr": 5000, "peel": 12, "peelEnable": true},
            {"pageId": 20, "index": 999, "groupId": 0, "typeFlag": 0, "name": "CZ 20.999", "type": "5",
             "minWarn": 0, "maxWarn": 4000, "minErr": 0, "maxErr": 5000, "peel": 0, "peelEnable": false,
             "bleAddress": "00:80:E1:26:AB:CD", "idIsErr": true}],
        "GROUP DATA": [{"index": 1003, "groupId": 0, "typeFlag": 1, "name": "Group2", "type": "",
                        "minWarn": 0, "maxWarn": 4000, "minErr": 0, "maxErr": 5000}]}}
})";

// Edits the valid document: each three input bytes overwrite, insert or
// delete one character at a position they choose.
QByteArray mutatedValidDocument(const uint8_t *data, size_t size)
{
    QByteArray text(kValid);
    for (size_t i = 0; i + 2 < size; i += 3) {
        if (text.isEmpty())
            break;
        const int position = int((data[i] << 8 | data[i + 1]) % text.size());
        const char byte = char(data[i + 2]);
        switch (data[i] & 3) {
        case 0:
            text.remove(position, 1);
            break;
        case 1:
            text.insert(position, byte);
            break;
        default:
            text[position] = byte;
            break;
        }
    }
    return text;
}

void exercise(const QByteArray &text)
{
    const ProjectDocument::Parsed parsed = ProjectDocument::parse(text);
    if (parsed.damaged()) {
        if (!parsed.document.isEmpty())
            std::abort();
        return;
    }

    for (const QString &key : {ProjectDocument::kTableParts, ProjectDocument::kPlanParts}) {
        const QJsonArray list = parsed.document.value(key).toArray();
        for (double part : {0.0, 1.0, -1.0}) {
            PartList::cellCount(list, part);
            for (double position : {-0.5, 0.0, 1.9, 1e300})
                PartList::cellAt(list, part, position);
        }
    }

    OwnedPages pages;
    ProjectRecords::load(parsed.document, pages);
    const QJsonObject written = ProjectRecords::weightingControlParent(pages);

    QJsonObject document = parsed.document;
    document.insert(ProjectDocument::kParent, written);
    // What was read is a document whose every known member has its type.
    const ProjectDocument::Parsed again = ProjectDocument::parse(ProjectDocument::toText(document));
    if (again.damaged() || !again.ignored.isEmpty())
        std::abort();

    OwnedPages reloaded;
    ProjectRecords::load(again.document, reloaded);
    if (ProjectRecords::weightingControlParent(reloaded) != written)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Debug lines of skipped entries and new records would drown the fuzzer's output.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && (data[0] & 1))
        exercise(QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), int(size - 1)));
    else if (size > 0)
        exercise(mutatedValidDocument(data + 1, size - 1));
    return 0;
}
