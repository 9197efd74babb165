#include "schedule/sub_periods.h"

namespace velmora {

std::array<SubPeriodShare, kActivityCount> SubPeriodsOf(Bird person, Fortnight fortnight, DayHalf half,
                                                        std::chrono::weekday weekday, int yama) {
    // Which bird holds each activity in this period.
    std::array<Bird, kActivityCount> holder{};
    for (std::size_t bird = 0; bird < kBirdCount; ++bird) {
        holder[IndexOf(MainActivityOf(static_cast<Bird>(bird), fortnight, half, weekday, yama))] =
            static_cast<Bird>(bird);
    }
    std::array<SubPeriodShare, kActivityCount> shares{};
    Activity activity = MainActivityOf(person, fortnight, half, weekday, yama);
    int startMinute = 0;
    for (SubPeriodShare& share : shares) {
        share = {activity, holder[IndexOf(activity)], startMinute,
                 SubPeriodMinutes(fortnight, half, activity)};
        startMinute += share.minutes;
        activity = NextActivity(fortnight, half, activity);
    }
    return shares;
}

double StrengthOf(Activity mainActivity, Activity subActivity) {
    return ActivityWeight(mainActivity) * ActivityWeight(subActivity);
}

} // namespace velmora
