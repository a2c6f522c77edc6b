// Sparkle's own configuration (feed, signing key, intervals) lives in the
// bundle's Info.plist; this file only forwards calls and callbacks.
#import <Foundation/Foundation.h>
#import <Sparkle/Sparkle.h>

#include "app/update/update_service.h"

namespace {

ludowell::AppcastItem convert(SUAppcastItem* item) {
    ludowell::AppcastItem result;
    result.title = item.title ? item.title.UTF8String : "";
    result.version = item.versionString ? item.versionString.UTF8String : "";
    result.displayVersionString = item.displayVersionString ? item.displayVersionString.UTF8String : "";
    result.url = item.fileURL ? item.fileURL.absoluteString.UTF8String : "";
    result.length = (long long)item.contentLength;
    return result;
}

ludowell::UpdateError convert(NSError* error) {
    return {error.domain.UTF8String ?: "", int(error.code), error.localizedDescription.UTF8String ?: ""};
}

}  // namespace

@interface LudowellUpdaterDelegate : NSObject <SPUUpdaterDelegate>
@property(nonatomic, assign) ludowell::UpdateServiceDelegate* target;
@end

@implementation LudowellUpdaterDelegate

- (BOOL)updater:(SPUUpdater*)updater mayPerformUpdateCheck:(SPUUpdateCheck)check error:(NSError**)error {
    try {
        _target->mayPerformUpdateCheck();
        return YES;
    } catch (const ludowell::UpdateError& refusal) {
        if (error)
            *error = [NSError errorWithDomain:@(refusal.domain.c_str())
                                         code:refusal.code
                                     userInfo:@{NSLocalizedDescriptionKey : @(refusal.description.c_str())}];
        return NO;
    }
}

- (void)updater:(SPUUpdater*)updater didFindValidUpdate:(SUAppcastItem*)item {
    _target->didFindValidUpdate(convert(item));
}

- (void)updaterDidNotFindUpdate:(SPUUpdater*)updater {
    _target->didNotFindUpdate();
}

- (void)updater:(SPUUpdater*)updater didAbortWithError:(NSError*)error {
    _target->didAbortWithError(convert(error));
}

- (void)updater:(SPUUpdater*)updater didFinishUpdateCycleForUpdateCheck:(SPUUpdateCheck)check error:(NSError*)error {
    _target->didFinishUpdateCycle(error ? std::optional(convert(error)) : std::nullopt);
}

- (BOOL)updater:(SPUUpdater*)updater
    shouldPostponeRelaunchForUpdate:(SUAppcastItem*)item
                 untilInvokingBlock:(void (^)(void))installHandler {
    void (^handler)(void) = [installHandler copy];
    return _target->shouldPostponeRelaunch(convert(item), [handler] { handler(); });
}

- (BOOL)updater:(SPUUpdater*)updater
    willInstallUpdateOnQuit:(SUAppcastItem*)item
    immediateInstallationBlock:(void (^)(void))immediateInstallHandler {
    void (^handler)(void) = [immediateInstallHandler copy];
    return _target->willInstallUpdateOnQuit(convert(item), [handler] { handler(); });
}

@end

// Forwards key-value observation of the updater to the service's observers.
@interface LudowellUpdaterObserver : NSObject
@property(nonatomic, copy) void (^changed)(NSString* key);
@end

@implementation LudowellUpdaterObserver
- (void)observeValueForKeyPath:(NSString*)key ofObject:(id)object change:(NSDictionary*)change context:(void*)context {
    if (_changed) _changed(key);
}
@end

namespace ludowell {
namespace {

class SparkleUpdateService : public UpdateService {
public:
    explicit SparkleUpdateService(UpdateServiceDelegate& target) {
        delegate_ = [LudowellUpdaterDelegate new];
        delegate_.target = &target;
        controller_ = [[SPUStandardUpdaterController alloc] initWithStartingUpdater:NO
                                                                    updaterDelegate:delegate_
                                                                 userDriverDelegate:nil];
        observer_ = [LudowellUpdaterObserver new];
        observer_.changed = ^(NSString* key) {
            if ([key isEqualToString:@"canCheckForUpdates"]) canCheckForUpdatesChanged();
            else automaticallyChecksForUpdatesChanged();
        };
        for (NSString* key in @[ @"canCheckForUpdates", @"automaticallyChecksForUpdates" ])
            [controller_.updater addObserver:observer_ forKeyPath:key options:NSKeyValueObservingOptionNew context:nil];
    }
    ~SparkleUpdateService() override {
        for (NSString* key in @[ @"canCheckForUpdates", @"automaticallyChecksForUpdates" ])
            [controller_.updater removeObserver:observer_ forKeyPath:key];
        observer_.changed = nil;
    }

    void startUpdater() override { [controller_ startUpdater]; }
    bool canCheckForUpdates() const override { return controller_.updater.canCheckForUpdates; }
    bool automaticallyChecksForUpdates() const override { return controller_.updater.automaticallyChecksForUpdates; }
    void setAutomaticallyChecksForUpdates(bool on) override { controller_.updater.automaticallyChecksForUpdates = on; }
    bool sessionInProgress() const override { return controller_.updater.sessionInProgress; }
    void checkForUpdates() override { [controller_ checkForUpdates:nil]; }

private:
    LudowellUpdaterDelegate* delegate_;
    SPUStandardUpdaterController* controller_;
    LudowellUpdaterObserver* observer_;
};

}  // namespace

std::unique_ptr<UpdateService> makePlatformUpdateService(UpdateServiceDelegate& delegate, UpdateUserDriver*) {
    // Sparkle brings its own dialogs.
    return std::make_unique<SparkleUpdateService>(delegate);
}

}  // namespace ludowell
