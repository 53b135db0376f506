#pragma once

#include "modbus_frames.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <optional>

// The polling cycle without any I/O: which block to ask for next, and what a reply to it means.
// The polling worker moves the bytes and runs the timers; everything it decides comes from here.

// The register image areas the cycle fills; each is a run of words from its first register on.
enum class PollArea { Status, CommSettings, ChargeSettings, AlarmSettings, Journal };

struct PollAreaLayout {
    quint16 firstRegister;
    int words;
};

// Where each area starts and how many words it holds (index by PollArea).
inline constexpr PollAreaLayout PollAreaLayouts[] = {
    {0x0000, 650}, {0x6800, 6}, {0x6C00, 47}, {0x7000, 50}, {0x7400, 3072},
};

struct PollRequest {
    quint16 firstRegister = 0;
    quint16 count = 0;
    friend bool operator==(const PollRequest&, const PollRequest&) = default;
};

// The block a request asks for and where its words go: area[index .. index + count - 1].
struct PollBlock {
    PollRequest request;
    PollArea area = PollArea::Status;
    int index = 0;
    friend bool operator==(const PollBlock&, const PollBlock&) = default;
};

// One block as stored by a cycle, handed to the window with the cycle's end.
struct PolledBlock {
    PollArea area = PollArea::Status;
    int index = 0;
    QList<quint16> words;
    friend bool operator==(const PolledBlock&, const PolledBlock&) = default;
};

// Stores a cycle's blocks into a register image with the blocks StatusBlock, CommSettingsBlock,
// ChargeSettingsBlock, AlarmSettingsBlock and JournalBlock; a run that would not fit is dropped.
template <typename Image> void StorePolledBlocks(const QList<PolledBlock>& blocks, Image& image) {
    for (const PolledBlock& block : blocks) {
        const auto store = [&block](auto& target) {
            if (block.index >= 0 && block.index + block.words.size() <= qsizetype(target.size()))
                std::copy(block.words.begin(), block.words.end(), target.begin() + block.index);
        };
        switch (block.area) {
        case PollArea::Status:
            store(image.StatusBlock);
            break;
        case PollArea::CommSettings:
            store(image.CommSettingsBlock);
            break;
        case PollArea::ChargeSettings:
            store(image.ChargeSettingsBlock);
            break;
        case PollArea::AlarmSettings:
            store(image.AlarmSettingsBlock);
            break;
        case PollArea::Journal:
            store(image.JournalBlock);
            break;
        }
    }
}

// The block chain of one polling cycle, states 1 to 11:
//   1..6  the status area, (0, 50) then runs of 125 up to register 648;
//   7..9  the three settings areas, while "Читать настройки" is checked;
//   10    the journal in runs of 125 from 0x7400, while "Читать журнал" is checked;
//   11    the rest of the journal up to register 0x7FFF.
// The check boxes are passed in at each decision, so a change takes effect in the running cycle.
class PollSequencer {
public:
    // Begins a cycle at block 1 and gives its request; nothing while a cycle still runs.
    std::optional<PollRequest> StartCycle();
    // A reply to the current block has been judged: gives the next request, or nothing when the
    // cycle is over.
    std::optional<PollRequest> ReplyJudged(bool readSettings, bool readJournal);
    // The wait for the current block's reply ran out: the cycle is over.
    void TimedOut();

    bool PollIdle() const { return idle_; }
    int PollState() const { return state_; }
    // The block now asked for (while a cycle runs).
    const PollBlock& Current() const { return block_; }

private:
    std::optional<PollRequest> Ask(int state, PollArea area, quint16 first, quint16 count,
                                   int index);
    std::optional<PollRequest> AfterStatus(bool readSettings, bool readJournal);
    std::optional<PollRequest> JournalFrom(quint16 first, int index);
    std::optional<PollRequest> EndCycle();

    bool idle_ = true;
    int state_ = 1;
    PollBlock block_;
};

// Which counter of the link statistics a judged reply or a time-out grows.
enum class PollCounter { None, Success, CrcError, NoAnswer };

// The outcome of one wait for a reply.
enum class PollVerdict { Stored, Exception, TooLong, WrongLength, CrcError, NoAnswer };

// Everything the window is told about one judged reply or one time-out.
struct PollReport {
    PollVerdict verdict = PollVerdict::NoAnswer;
    // Lines for the diagnostic memo; the window shows them only in diagnostic mode.
    QStringList memoLines;
    // Text for status-bar panel 1; empty leaves the panel as it is.
    QString replyText;
    // The link-statistics counter to grow (diagnostic mode only).
    PollCounter counter = PollCounter::None;
    // Whether the error percentage is shown anew (in every mode).
    bool refreshPercentage = false;
    // Text after the date and time of a link-error line of the monitoring log, in Russian in every
    // language (the log reader knows these words); empty for none.
    QString logText;
    QDateTime when;
};

struct ParsedPollReply {
    PollReport report;
    // The words to store at the block's place; empty unless the reply is accepted.
    QList<quint16> words;
};

// Judges the bytes received as the reply to a function-3 request for `request`: the first 255,
// as many as the receive buffer holds; the diagnostic line of a bad CRC counts them all.
// Besides the function-3 rule, a reply carrying fewer registers than asked for is refused: it can
// only be a late answer to another block, and storing it would put foreign words in this place.
ParsedPollReply ParsePollReply(QByteArrayView received, PollRequest request, const QDateTime& when);

// What a reply time-out of `request` reports.
PollReport NoAnswerReport(PollRequest request, const QDateTime& when);

// Status-bar panel 2: "Всего принято N байт".
QString RxTotalText(quint32 rxBytesTotal);
