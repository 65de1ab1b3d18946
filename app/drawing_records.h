// The pier's drawing records as the drawing output reads them while it draws: the drawing-setting
// record with its children, and the alignment record with the members' and the pier's own parts.
#pragma once

#include <nlohmann/json.hpp>

class CComponentNorm;

// Reads the drawing records of every pier component that the drawing output draws on this thread
// while the reader lives, keeping them as JSON; the last drawing wins.
class DrawingRecordReader {
public:
    DrawingRecordReader();
    ~DrawingRecordReader();
    DrawingRecordReader(const DrawingRecordReader&) = delete;
    DrawingRecordReader& operator=(const DrawingRecordReader&) = delete;

    // 1 once a pier component was drawn (its records are then in DrawingSetting and Alignment).
    bool Drawn() const { return m_drawn; }
    // The drawing-setting record ("drawSet") with its children, as it was while the pier was drawn.
    const nlohmann::ordered_json& DrawingSetting() const { return m_drawSet; }
    // The alignment record: one entry per member's child (null when not made), then the pier's own part.
    const nlohmann::ordered_json& Alignment() const { return m_align; }

private:
    void Read(CComponentNorm& component);

    bool m_drawn = false;
    nlohmann::ordered_json m_drawSet;
    nlohmann::ordered_json m_align;
};

// The records the drawing-adjustment tool and the alignment library were last handed on this thread.
nlohmann::ordered_json DrawingAdjustmentHandOffJson();
