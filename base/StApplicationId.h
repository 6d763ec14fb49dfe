#pragma once
// The process-wide application id: the first instance constructed holds it, and the
// framework asks `Id()` wherever behaviour differs between applications.

class StApplicationId {
public:
    explicit StApplicationId(unsigned long id = 0);
    StApplicationId(const StApplicationId& other);
    StApplicationId& operator=(const StApplicationId& other);
    virtual ~StApplicationId();

    void SetId(unsigned long id) { mId = id; }
    unsigned long GetId() const { return mId; }

    // The process-wide instance's id; 0 when there is none.
    static unsigned long Id();

    static StApplicationId* sId;

private:
    void Claim();

    unsigned long mId;
};
