// The page's title names the scene the game is in ("Main menu - Emberfell"),
// as the game tells it at each scene's start (page.scene).
export function namescene(name) {
  const scene = name ? `${name[0].toUpperCase()}${name.slice(1)} - ` : '';
  document.title = `${scene}Emberfell`;
}
