#pragma once
// A range of seconds, start to end, with an upper limit (0: none). Used for edit
// slices and for the part of a file to convert.
#include "CPersistObject.h"

class CDuration : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CDuration)
public:
    CDuration() = default;
    CDuration(const CDuration& other) = default;
    CDuration& operator=(const CDuration& other);
    ~CDuration() override = default;

    void SaveSelf(const char* name, CPersistStorage& storage) override;
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    virtual double ValidateMax(double max);
    // Re-fits start and end to the new limit.
    virtual void SideEffectMaxChanged();
    virtual double ValidateStart(double start);
    virtual void SideEffectStartChanged();
    virtual double ValidateEnd(double end);
    virtual void SideEffectEndChanged();

    bool SetMax(double max);
    bool SetStart(double start);
    bool SetEnd(double end);
    bool SetDuration(double duration) { return SetEnd(m_start + duration); }
    double GetMax() const { return m_max; }
    double GetStart() const { return m_start; }
    double GetEnd() const { return m_end; }
    double GetDuration() const { return m_end - m_start; }

    static constexpr LONG kMaxChangedNotice = FourCharCode("durb");
    static constexpr LONG kStartChangedNotice = FourCharCode("durc");
    static constexpr LONG kEndChangedNotice = FourCharCode("durd");
    static const char* const kDurationMaxTag;
    static const char* const kDurationStartTag;
    static const char* const kDurationEndTag;

private:
    bool HasMax() const { return m_max != 0; }

    double m_max = 0;
    double m_start = 0;
    double m_end = 0;
};
