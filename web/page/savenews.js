// Every tab of the page tells the others when it has stored a save, and
// hears when another has: heard() brings its saves up to date.
const channel = 'emberfell-saves';

export function savenews(heard) {
  const news = typeof BroadcastChannel === 'function' ? new BroadcastChannel(channel) : null;
  if (news) news.onmessage = () => heard();
  return {
    // Whether news from other tabs comes at all.
    comes: Boolean(news),
    tell: () => news?.postMessage('saved'),
  };
}
