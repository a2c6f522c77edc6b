// macOS: the user notification centre, asked once for permission.
#include "platform/notification.h"

#import <Foundation/Foundation.h>
#import <UserNotifications/UserNotifications.h>

namespace ludowell::platform {

void notify(const std::string& title, const std::string& body) {
    UNUserNotificationCenter* center = [UNUserNotificationCenter currentNotificationCenter];
    NSString* heading = [NSString stringWithUTF8String:title.c_str()];
    NSString* text = [NSString stringWithUTF8String:body.c_str()];
    [center requestAuthorizationWithOptions:(UNAuthorizationOptionAlert | UNAuthorizationOptionSound)
                          completionHandler:^(BOOL granted, NSError* _Nullable) {
                            if (!granted) return;
                            UNMutableNotificationContent* content = [[UNMutableNotificationContent alloc] init];
                            content.title = heading;
                            content.body = text;
                            UNNotificationRequest* request =
                                [UNNotificationRequest requestWithIdentifier:[[NSUUID UUID] UUIDString]
                                                                     content:content
                                                                     trigger:nil];
                            [center addNotificationRequest:request withCompletionHandler:nil];
                          }];
}

}  // namespace ludowell::platform
